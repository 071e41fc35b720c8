#include "shell/ui/ui_fonts.h"

#include <QStringList>

namespace velmora::ui {

QFont uiFont(FontFace face, int pixelSize, bool bold)
{
    QFont font;
    switch (face) {
    case FontFace::YaHei:
        font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                          QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
        break;
    case FontFace::HeiTi:
        font.setFamilies({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("WenQuanYi Zen Hei")});
        break;
    case FontFace::Default:
        font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
        break;
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace velmora::ui
