#pragma once

#include <QRect>
#include <QSize>

// Where a picture of the given size goes inside a client area that keeps a frameWidth margin
// on every side: at its natural size, scaled to the area (stretch), or scaled with its
// proportions kept (proportional: always when it is larger than the area, and when it is
// smaller only with stretch too); at the top left of the area, or centred in it.
// Sizes are rounded with MulDiv. An area smaller than the margins counts as 0 by 0.
QRect ComputePictureRect(QSize client, int frameWidth, QSize source, bool center, bool stretch,
                         bool proportional);
