#include "PictureFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <cstring>

#include "platform/Errors.h"

namespace {

void PutLE(std::uint8_t* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 32-bit uncompressed BMP: file header, 40-byte information header, rows bottom-up.
QByteArray EncodeBmp32(const Bitmap& bitmap) {
  constexpr std::uint32_t kHeaders = 14 + 40;
  const auto imageBytes =
      static_cast<std::uint32_t>(bitmap.Stride() * static_cast<std::size_t>(bitmap.Height()));
  QByteArray data(static_cast<qsizetype>(kHeaders + imageBytes), '\0');
  auto* p = reinterpret_cast<std::uint8_t*>(data.data());
  p[0] = 'B';
  p[1] = 'M';
  PutLE(p + 2, kHeaders + imageBytes, 4);
  PutLE(p + 10, kHeaders, 4);
  PutLE(p + 14, 40, 4);
  PutLE(p + 18, static_cast<std::uint32_t>(bitmap.Width()), 4);
  PutLE(p + 22, static_cast<std::uint32_t>(bitmap.Height()), 4);
  PutLE(p + 26, 1, 2);   // planes
  PutLE(p + 28, 32, 2);  // bits per pixel
  PutLE(p + 34, imageBytes, 4);
  PutLE(p + 38, 2835, 4);  // 72 dots per inch
  PutLE(p + 42, 2835, 4);
  for (std::int32_t k = 0; k < bitmap.Height(); ++k) {
    std::memcpy(p + kHeaders + bitmap.Stride() * static_cast<std::size_t>(k), bitmap.BlockRow(k),
                bitmap.Stride());
  }
  return data;
}

}  // namespace

Bitmap LoadPicture(const std::string& path) {
  const QString name = QString::fromStdString(path);
  if (!QFileInfo(name).isFile()) throw EFOpenError("Cannot open file \"" + path + "\"");
  QImage image(name);
  if (image.isNull()) throw EInvalidGraphic("\"" + path + "\" is not a picture that can be read");
  image = image.convertToFormat(QImage::Format_RGB32);
  Bitmap bitmap(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    std::memcpy(bitmap.Row(y), image.constScanLine(y), bitmap.Stride());
  }
  return bitmap;
}

void SavePicture(const Bitmap& bitmap, const std::string& path) {
  const QString name = QString::fromStdString(path);
  const QString suffix = QFileInfo(name).suffix().toLower();
  if (suffix == "bmp") {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeBmp32(bitmap)) < 0 || !file.flush()) {
      throw EFCreateError("Cannot create file \"" + path + "\"");
    }
    return;
  }
  if (suffix != "png") {
    throw EConvertError("\"" + path + "\": the output must end in .bmp or .png");
  }
  // 32-bit RGBA, opaque: the bitmap's fourth byte is not an alpha channel.
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    auto* line = reinterpret_cast<Pixel*>(image.scanLine(y));
    const Pixel* row = bitmap.Row(y);
    for (std::int32_t x = 0; x < bitmap.Width(); ++x) line[x] = row[x] | 0xFF000000u;
  }
  if (!image.save(name, "PNG")) throw EFCreateError("Cannot create file \"" + path + "\"");
}
