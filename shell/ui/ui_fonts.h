#pragma once

#include <QFont>

namespace velmora::ui {

// The window design names Windows faces; each comes with a CJK fallback so
// Chinese text renders the same on Linux.
enum class FontFace { YaHei, HeiTi, Default };

QFont uiFont(FontFace face, int pixelSize, bool bold = false);

}  // namespace velmora::ui
