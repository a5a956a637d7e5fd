#pragma once

#include <QImage>
#include <QString>
#include <functional>

class Bitmap;

// A picture object: holds at most one graphic and tells its owner when it changes.
// The graphic is any image Qt can hold; transparent parts show whatever lies behind when it is
// drawn. A picture without a graphic (or with a 0 × 0 one) is empty.
class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  bool HasGraphic() const { return !graphic_.isNull(); }
  const QImage& Graphic() const { return graphic_; }
  int Width() const { return graphic_.width(); }
  int Height() const { return graphic_.height(); }

  // Each of these replaces the graphic and fires OnChange.
  void Assign(const TPicture& source) { SetGraphic(source.graphic_); }
  void SetGraphic(const QImage& graphic);
  // Copies the bitmap's pixels; the fourth byte is ignored.
  void SetBitmap(const Bitmap& bitmap);
  void Clear() { SetGraphic(QImage()); }
  // Reads any format Qt's image readers know. A missing file raises EFOpenError, an unreadable
  // or damaged one EInvalidGraphic; the picture is left unchanged then.
  void LoadFromFile(const QString& fileName);

  // The owner's change handler.
  std::function<void()> OnChange;

 private:
  QImage graphic_;
};
