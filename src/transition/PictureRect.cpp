#include "transition/PictureRect.h"

#include <algorithm>

#include "platform/MulDiv.h"

QRect ComputePictureRect(QSize client, int frameWidth, QSize source, bool center, bool stretch,
                         bool proportional) {
  const int cw = std::max(0, client.width() - 2 * frameWidth);
  const int ch = std::max(0, client.height() - 2 * frameWidth);
  int w = source.width();
  int h = source.height();
  if (proportional && w > 0 && h > 0 && (stretch || cw < w || ch < h)) {
    if (static_cast<double>(ch) / h > static_cast<double>(cw) / w) {
      h = MulDiv(h, cw, w);
      w = cw;
    } else {
      w = MulDiv(w, ch, h);
      h = ch;
    }
  } else if (stretch) {
    w = cw;
    h = ch;
  }
  QRect rect(0, 0, w, h);
  if (center) {
    rect.translate((cw - w) / 2 + frameWidth, (ch - h) / 2 + frameWidth);
  } else {
    rect.translate(frameWidth, frameWidth);
  }
  return rect;
}
