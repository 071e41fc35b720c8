#pragma once

#include <QIcon>

namespace velmora {

// The updater's icon (window and notification area): a blue disc with a
// downward arrow onto a tray.
QIcon updaterIcon();

}  // namespace velmora
