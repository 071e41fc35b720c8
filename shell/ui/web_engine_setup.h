#pragma once

namespace velmora::ui {

// Settings the web engine reads once, before the application object exists:
// no background traffic on a closed network, and no sandbox when running as
// root (the engine refuses to start sandboxed then). Flags already in the
// environment are kept and come last, so a user can still override them.
void prepareWebEngine();

}  // namespace velmora::ui
