#include "players/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/Errors.h"
#include "players/PictureMetafile.h"

namespace {

// The file's bytes, mapped into memory while the object lives; read when it cannot be mapped.
class FileBytes {
 public:
  explicit FileBytes(const std::string& path) : file_(QString::fromStdString(path)) {
    if (!file_.open(QIODevice::ReadOnly)) {
      throw EFOpenError("Cannot open file \"" + path + "\". " + file_.errorString().toStdString());
    }
    if (file_.size() > 0) mapped_ = file_.map(0, file_.size());
    if (mapped_ == nullptr) {
      copy_ = file_.readAll();
      if (file_.error() != QFileDevice::NoError) {
        throw EReadError("Cannot read file \"" + path + "\". " + file_.errorString().toStdString());
      }
    }
  }
  const std::uint8_t* Data() const {
    return mapped_ ? mapped_ : reinterpret_cast<const std::uint8_t*>(copy_.constData());
  }
  std::size_t Size() const {
    return mapped_ ? static_cast<std::size_t>(file_.size())
                   : static_cast<std::size_t>(copy_.size());
  }
  // The bytes without a copy, for Qt's readers.
  QByteArray Bytes() const {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(Data()),
                                   static_cast<qsizetype>(Size()));
  }

 private:
  QFile file_;
  uchar* mapped_ = nullptr;
  QByteArray copy_;
};

// Copies an image into a bitmap, putting its transparent parts over white, the colour of a
// new bitmap it is drawn on.
Bitmap ToBitmap(const QImage& image) {
  const bool alpha = image.hasAlphaChannel();
  const QImage rgb =
      image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  Bitmap bitmap(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const Pixel*>(rgb.constScanLine(y));
    Pixel* out = bitmap.Row(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const Pixel p = in[x];
      const std::uint32_t under = alpha ? 255 - (p >> 24) : 0;
      out[x] = (p & 0x00FFFFFF) + under * 0x010101;
    }
  }
  return bitmap;
}

// Reads every image the file holds in the given format and keeps the one with the most
// pixels (the first of equals); GIF files stop after their first frame.
Bitmap ReadWithQt(const QByteArray& data, const char* format, const char* kind, bool all) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoTransform(false);
  QImage best;
  const int count = all ? std::max(reader.imageCount(), 1) : 1;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    QImage image = reader.read();
    if (image.isNull()) break;
    if (best.isNull() ||
        qint64{image.width()} * image.height() > qint64{best.width()} * best.height()) {
      best = std::move(image);
    }
  }
  if (best.isNull() || best.width() == 0 || best.height() == 0) {
    throw EInvalidGraphic(std::string(kind) + " image is not valid");
  }
  return ToBitmap(best);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string PictureExtension(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  const auto dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string ext = name.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

Bitmap LoadPicture(const std::string& path, const ReductionFor& reduction) {
  const std::string ext = PictureExtension(path);
  const bool known = ext == "bmp" || ext == "ico" || ext == "gif" || ext == "jpg" ||
                     ext == "jpeg" || ext == "wmf" || ext == "emf";
  if (!known) throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
  if (!Exists(path)) {
    throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(ENOENT));
  }
  const FileBytes file(path);
  if (ext == "jpg" || ext == "jpeg") return DecodeJpeg(file.Data(), file.Size(), reduction);
  if (ext == "wmf") return RenderWindowsMetafile(file.Data(), file.Size());
  if (ext == "emf") return RenderEnhancedMetafile(file.Data(), file.Size());
  if (ext == "bmp") return ReadWithQt(file.Bytes(), "bmp", "Bitmap", false);
  if (ext == "ico") return ReadWithQt(file.Bytes(), "ico", "Icon", true);
  return ReadWithQt(file.Bytes(), "gif", "GIF", false);
}
