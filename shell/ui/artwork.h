#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;

// The pictures of the windows, drawn in code so they stay sharp at any
// scale: backgrounds, picture buttons, car badges and the racing cars.
namespace velmora::ui::artwork {

// Customary colour of car 1 to 10; a neutral grey for anything else.
QColor carColor(int car);

// Car number of a badge text ("01".."10", "1".."10"), 0 when it is none.
int carOfText(const QString& text);

// A rounded badge in the car's colour with its number text on it, the text
// shrunk from `font` until it fits.
void paintCarBadge(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font);

// A racing car seen from the side, nose to the right, in a 36 x 14 box at
// the painter's origin.
void paintRaceCar(QPainter& painter, int car);

QPixmap mainWindowBackground();
QPixmap splashBackground();
QIcon applicationIcon();

enum class ButtonLook { Close, Minimise, Red, Blue };
enum class ButtonState { Normal, Hover, Pressed, Disabled };

void paintButton(QPainter& painter, const QRectF& rect, ButtonLook look, ButtonState state);

// Colours shared by the widgets that sit on the background.
inline constexpr QRgb kInkColor = 0x243047;
inline constexpr QRgb kMutedInkColor = 0x5d6b84;
inline constexpr QRgb kAccentColor = 0xd8392b;
inline constexpr QRgb kBorderColor = 0xcfd7e3;
inline constexpr QRgb kScoreboardInk = 0xe8eefb;

}  // namespace velmora::ui::artwork
