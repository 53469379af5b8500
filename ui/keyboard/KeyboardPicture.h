#pragma once

#include <QImage>

namespace vantor {

/// The colour of the key faces in the keyboard picture: exactly these pixels are coloured by
/// the keys' states.
inline constexpr QRgb kKeyFaceColour = 0xFF00FFFF; // RGB(0, 255, 255)

/// The keyboard and mouse picture, 272 x 69 pixels, drawn from the key table: every key of
/// the table has a black border, a pure cyan face and a black legend at the table's place;
/// keys the engine cannot bind are hatched, without cyan, on a grey body.
QImage DrawKeyboardPicture();

} // namespace vantor
