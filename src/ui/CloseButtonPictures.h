#pragma once

#include <QImage>

// The close button's three 19 × 18 pixel, 24-bit pictures: a light grey rounded square with a
// dark red diagonal cross; a light blue face while the mouse is over it; a sunken face with a
// smaller, darker cross while it is pressed.
QImage CloseButtonNormal();
QImage CloseButtonMouseIn();
QImage CloseButtonMouseDown();

inline constexpr int kCloseButtonWidth = 19;
inline constexpr int kCloseButtonHeight = 18;
