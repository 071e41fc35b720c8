#pragma once

#include <string>

namespace velmora::drawserver {

struct DrawSnapshot;

// How many draws the page lists.
inline constexpr int kAdvertDraws = 20;

// The web pane's page: the latest draw with its ten cars as coloured badges,
// a countdown to the coming draw and the recent draws. It fits a pane 259
// pixels wide, and refreshes its content in place (the pane hands every
// navigation to the system's browser, so the page never reloads itself).
std::string renderAdvertPage(const DrawSnapshot& snapshot);

}  // namespace velmora::drawserver
