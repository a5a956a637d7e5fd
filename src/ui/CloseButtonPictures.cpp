#include "ui/CloseButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kSurround(212, 208, 200);
const QColor kOutline(128, 128, 128);

struct Face {
  QColor fill;
  QColor cross;
  int crossInset;  // distance of the cross's ends from the face's edge
  bool sunken;
};

QImage DrawButton(const Face& face) {
  QImage image(kCloseButtonWidth, kCloseButtonHeight, QImage::Format_RGB888);
  image.fill(kSurround);
  QPainter painter(&image);
  const QRectF square(0.5, 0.5, kCloseButtonWidth - 1, kCloseButtonHeight - 1);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kOutline, 1));
  painter.setBrush(face.fill);
  painter.drawRoundedRect(square, 3, 3);
  if (face.sunken) {
    // A darker top and left edge inside the outline make the face look pressed in.
    painter.setPen(QPen(face.fill.darker(140), 1));
    painter.drawLine(QPointF(2.5, 1.5), QPointF(kCloseButtonWidth - 3.5, 1.5));
    painter.drawLine(QPointF(1.5, 2.5), QPointF(1.5, kCloseButtonHeight - 3.5));
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(face.cross, 2, Qt::SolidLine, Qt::FlatCap));
  const int left = face.crossInset;
  const int top = face.crossInset;
  const int right = kCloseButtonWidth - 1 - face.crossInset;
  const int bottom = kCloseButtonHeight - 1 - face.crossInset;
  painter.drawLine(left, top, right, bottom);
  painter.drawLine(left, bottom, right, top);
  return image;
}

}  // namespace

QImage CloseButtonNormal() {
  return DrawButton({QColor(236, 236, 236), QColor(121, 0, 0), 5, false});
}

QImage CloseButtonMouseIn() {
  return DrawButton({QColor(200, 224, 248), QColor(121, 0, 0), 5, false});
}

QImage CloseButtonMouseDown() {
  return DrawButton({QColor(214, 214, 214), QColor(80, 0, 0), 6, true});
}
