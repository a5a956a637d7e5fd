#include "transition/Picture.h"

#include <QFileInfo>
#include <QImageReader>

#include "platform/Errors.h"
#include "transition/BitmapImage.h"

void TPicture::SetGraphic(const QImage& graphic) {
  graphic_ = graphic;
  if (OnChange) OnChange();
}

void TPicture::SetBitmap(const Bitmap& bitmap) {
  QImage image = WrapBitmap(bitmap).copy();
  // Format_RGB32 wants an opaque fourth byte; the bitmap's own may be anything.
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) row[x] |= 0xFF000000u;
  }
  SetGraphic(image);
}

void TPicture::LoadFromFile(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    throw EFOpenError("Cannot open file \"" + fileName.toStdString() + "\"");
  }
  QImageReader reader(fileName);
  QImage image = reader.read();
  if (image.isNull()) {
    throw EInvalidGraphic("Cannot read picture \"" + fileName.toStdString() +
                          "\": " + reader.errorString().toStdString());
  }
  SetGraphic(image);
}
