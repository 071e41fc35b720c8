#pragma once

namespace velmora {

struct AppContext;

// Opens the advert page, polls the newest draw once, loads the 50 most recent
// draws into the history, shows them and has the plans rebuilt. False (after
// telling the user) when no draw could be loaded.
bool loadHistoryAtStart(AppContext& context);

}  // namespace velmora
