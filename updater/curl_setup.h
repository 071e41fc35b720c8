#pragma once

#include <curl/curl.h>

namespace velmora::detail {

// Initialises libcurl once per process before the first handle is made.
void ensureCurlInitialised();

// Settings every updater request shares: only http and https, also after a
// redirect, and no signals (the transfers run on worker threads).
void applyCommonOptions(CURL* curl);

}  // namespace velmora::detail
