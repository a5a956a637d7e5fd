#include "players/PictureMetafile.h"

#include <QBrush>
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Errors.h"

namespace {

[[noreturn]] void Invalid() {
  throw EInvalidGraphic("Metafile is not valid");
}

// Little-endian reads inside one record; reading past its end makes the file invalid.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Size() const { return size_; }
  const std::uint8_t* At(std::size_t at, std::size_t n) const {
    if (at > size_ || n > size_ - at) Invalid();
    return data_ + at;
  }
  std::uint16_t U16(std::size_t at) const {
    const std::uint8_t* p = At(at, 2);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
  }
  std::int16_t S16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
  std::uint32_t U32(std::size_t at) const {
    return std::uint32_t{U16(at)} | std::uint32_t{U16(at + 2)} << 16;
  }
  std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  QColor Color(std::size_t at) const {
    const std::uint8_t* p = At(at, 3);
    return QColor(p[0], p[1], p[2]);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

using GdiObject = std::variant<QPen, QBrush, QFont>;

// The drawing state both formats play into: objects, colours, the current position, the
// logical-to-picture mapping and an open path.
class MetafileCanvas {
 public:
  MetafileCanvas(int width, int height, const QTransform& deviceToPicture)
      : image_(width, height, QImage::Format_RGB32), deviceToPicture_(deviceToPicture) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    pen_ = QPen(Qt::black, 0);
    brush_ = QBrush(Qt::white);
    UpdateTransform();
  }
  ~MetafileCanvas() {
    if (painter_.isActive()) painter_.end();
  }

  QImage Finish() {
    painter_.end();
    return image_;
  }

  // Objects live in a table; a new one takes the lowest free slot (WMF) or its given index.
  void AddObject(GdiObject object) {
    std::uint32_t slot = 0;
    while (objects_.count(slot)) ++slot;
    objects_[slot] = std::move(object);
  }
  void SetObject(std::uint32_t slot, GdiObject object) { objects_[slot] = std::move(object); }
  void DeleteObject(std::uint32_t slot) { objects_.erase(slot); }
  void SelectObject(std::uint32_t slot) {
    const auto it = objects_.find(slot);
    if (it == objects_.end()) return;
    if (const auto* pen = std::get_if<QPen>(&it->second)) pen_ = *pen;
    if (const auto* brush = std::get_if<QBrush>(&it->second)) brush_ = *brush;
    if (const auto* font = std::get_if<QFont>(&it->second)) font_ = *font;
  }
  // The stock objects of enhanced metafiles, selected by index with the high bit set.
  void SelectStock(std::uint32_t index) {
    switch (index) {
      case 0:
        brush_ = QBrush(Qt::white);
        break;
      case 1:
        brush_ = QBrush(QColor(192, 192, 192));
        break;
      case 2:
        brush_ = QBrush(QColor(128, 128, 128));
        break;
      case 3:
        brush_ = QBrush(QColor(64, 64, 64));
        break;
      case 4:
        brush_ = QBrush(Qt::black);
        break;
      case 5:
        brush_ = Qt::NoBrush;
        break;
      case 6:
        pen_ = QPen(Qt::white, 0);
        break;
      case 7:
        pen_ = QPen(Qt::black, 0);
        break;
      case 8:
        pen_ = Qt::NoPen;
        break;
      default:
        break;
    }
  }

  void SetTextColor(QColor c) { textColor_ = c; }
  void SetBkColor(QColor c) { bkColor_ = c; }
  void SetBkOpaque(bool opaque) { bkOpaque_ = opaque; }
  void SetWinding(bool winding) { fillRule_ = winding ? Qt::WindingFill : Qt::OddEvenFill; }
  void SetAnisotropic(bool on) {
    anisotropic_ = on;
    UpdateTransform();
  }
  void SetWindowOrg(QPointF p) {
    winOrg_ = p;
    UpdateTransform();
  }
  void SetWindowExt(QSizeF s) {
    if (s.width() && s.height()) winExt_ = s;
    UpdateTransform();
  }
  void SetViewportOrg(QPointF p) {
    vpOrg_ = p;
    UpdateTransform();
  }
  void SetViewportExt(QSizeF s) {
    if (s.width() && s.height()) vpExt_ = s;
    UpdateTransform();
  }
  void Save() { saved_.push_back({pen_, brush_, font_, winOrg_, winExt_, vpOrg_, vpExt_}); }
  void Restore() {
    if (saved_.empty()) return;
    const Saved& s = saved_.back();
    pen_ = s.pen, brush_ = s.brush, font_ = s.font;
    winOrg_ = s.winOrg, winExt_ = s.winExt, vpOrg_ = s.vpOrg, vpExt_ = s.vpExt;
    saved_.pop_back();
    UpdateTransform();
  }

  // Shapes: while a path is open they add to it instead of drawing.
  void MoveTo(QPointF p) {
    if (path_) path_->moveTo(p);
    position_ = p;
  }
  void LineTo(QPointF p) {
    if (path_) {
      path_->lineTo(p);
    } else {
      Stroke([&] { painter_.drawLine(position_, p); });
    }
    position_ = p;
  }
  void Polyline(const QPolygonF& points, bool fromPosition) {
    if (points.isEmpty()) return;
    QPolygonF line = points;
    if (fromPosition) line.prepend(position_);
    if (path_) {
      if (!fromPosition) path_->moveTo(line.first());
      for (qsizetype i = 1; i < line.size(); ++i) path_->lineTo(line[i]);
    } else {
      Stroke([&] { painter_.drawPolyline(line); });
    }
    if (fromPosition) position_ = points.last();
  }
  void Bezier(const QPolygonF& points, bool fromPosition) {
    QPolygonF all = points;
    if (fromPosition) all.prepend(position_);
    if (all.size() < 4) return;
    QPainterPath curve(all.first());
    for (qsizetype i = 1; i + 2 < all.size(); i += 3) curve.cubicTo(all[i], all[i + 1], all[i + 2]);
    if (path_) {
      if (!fromPosition) path_->moveTo(all.first());
      path_->connectPath(curve);
    } else {
      Stroke([&] { painter_.drawPath(curve); });
    }
    if (fromPosition) position_ = all.last();
  }
  void PolyPolygon(const std::vector<QPolygonF>& polygons) {
    QPainterPath shape;
    shape.setFillRule(fillRule_);
    for (const QPolygonF& p : polygons) {
      if (p.isEmpty()) continue;
      shape.addPolygon(p);
      shape.closeSubpath();
    }
    if (path_) {
      path_->addPath(shape);
    } else {
      FillAndStroke(shape);
    }
  }
  void Rectangle(QRectF r) {
    Shape([&](QPainterPath& s) { s.addRect(r.normalized()); });
  }
  void Ellipse(QRectF r) {
    Shape([&](QPainterPath& s) { s.addEllipse(r.normalized()); });
  }
  void RoundRect(QRectF r, QSizeF corner) {
    Shape([&](QPainterPath& s) {
      s.addRoundedRect(r.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    });
  }
  void BeginPath() {
    path_.emplace();
    path_->setFillRule(fillRule_);
  }
  void EndPath() {
    if (path_) {
      finished_ = *path_;
      finished_.setFillRule(fillRule_);
    }
    path_.reset();
  }
  void CloseFigure() {
    if (path_) path_->closeSubpath();
  }
  void DrawPath(bool fill, bool stroke) {
    QPainterPath shape = finished_;
    finished_ = QPainterPath();
    if (fill) Fill(shape);
    if (stroke) Stroke([&] { painter_.drawPath(shape); });
  }

  void Text(QPointF at, const QString& text, bool updateCp) {
    if (text.isEmpty()) return;
    painter_.save();
    QFont font = font_;
    const double height = std::abs(font_.pixelSize() > 0 ? font_.pixelSize() : 12);
    font.setPixelSize(std::max(1, static_cast<int>(height)));
    painter_.setFont(font);
    painter_.setPen(textColor_);
    const QFontMetricsF metrics(font);
    const QRectF box(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    if (bkOpaque_) painter_.fillRect(box, bkColor_);
    painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    painter_.restore();
    if (updateCp) position_ = at + QPointF(box.width(), 0);
  }

  void Image(const QImage& picture, QRectF dest, QRectF source) {
    if (picture.isNull()) return;
    painter_.drawImage(dest, picture, source);
  }

 private:
  struct Saved {
    QPen pen;
    QBrush brush;
    QFont font;
    QPointF winOrg;
    QSizeF winExt;
    QPointF vpOrg;
    QSizeF vpExt;
  };

  template <typename Build>
  void Shape(Build build) {
    QPainterPath shape;
    build(shape);
    if (path_) {
      path_->addPath(shape);
    } else {
      FillAndStroke(shape);
    }
  }
  void Fill(const QPainterPath& shape) { painter_.fillPath(shape, brush_); }
  void FillAndStroke(const QPainterPath& shape) {
    Fill(shape);
    Stroke([&] { painter_.strokePath(shape, pen_); });
  }
  template <typename Draw>
  void Stroke(Draw draw) {
    if (pen_.style() == Qt::NoPen) return;
    painter_.save();
    painter_.setPen(pen_);
    painter_.setBrush(Qt::NoBrush);
    draw();
    painter_.restore();
  }

  void UpdateTransform() {
    QTransform logical;
    if (anisotropic_) {
      const double sx = vpExt_.width() / winExt_.width();
      const double sy = vpExt_.height() / winExt_.height();
      logical =
          QTransform(sx, 0, 0, sy, vpOrg_.x() - winOrg_.x() * sx, vpOrg_.y() - winOrg_.y() * sy);
    } else {
      logical = QTransform::fromTranslate(vpOrg_.x() - winOrg_.x(), vpOrg_.y() - winOrg_.y());
    }
    painter_.setTransform(logical * deviceToPicture_);
  }

  QImage image_;
  QPainter painter_;
  QTransform deviceToPicture_;
  std::map<std::uint32_t, GdiObject> objects_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
  QColor textColor_ = Qt::black;
  QColor bkColor_ = Qt::white;
  bool bkOpaque_ = true;
  Qt::FillRule fillRule_ = Qt::OddEvenFill;
  bool anisotropic_ = false;
  QPointF winOrg_, vpOrg_;
  QSizeF winExt_{1, 1}, vpExt_{1, 1};
  QPointF position_;
  std::optional<QPainterPath> path_;
  QPainterPath finished_;
  std::vector<Saved> saved_;
};

// A packed bitmap (its info header, colours and pixels) as an image, through a BMP file head.
QImage DibImage(const std::uint8_t* dib, std::size_t size) {
  if (size < 40) return {};
  const Reader r(dib, size);
  const std::uint32_t headerSize = r.U32(0);
  const std::uint16_t bits = r.U16(14);
  std::uint32_t colours = headerSize >= 40 ? r.U32(32) : 0;
  if (colours == 0 && bits <= 8) colours = 1u << bits;
  const std::uint32_t masks = headerSize == 40 && r.U32(16) == 3 ? 12 : 0;
  const std::uint32_t offset = 14 + headerSize + masks + colours * 4;
  QByteArray file(14, '\0');
  file[0] = 'B';
  file[1] = 'M';
  const std::uint32_t total = static_cast<std::uint32_t>(14 + size);
  for (int i = 0; i < 4; ++i) {
    file[2 + i] = static_cast<char>(total >> (8 * i));
    file[10 + i] = static_cast<char>(offset >> (8 * i));
  }
  file.append(reinterpret_cast<const char*>(dib), static_cast<qsizetype>(size));
  return QImage::fromData(file, "BMP");
}

QPen MakePen(std::uint16_t style, double width, QColor color) {
  if ((style & 0x0F) == 5) return Qt::NoPen;  // PS_NULL
  QPen pen(color, width);
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                             Qt::DashDotLine, Qt::DashDotDotLine};
  const unsigned s = style & 0x0F;
  if (s < 5) pen.setStyle(kStyles[s]);
  return pen;
}

QBrush MakeBrush(std::uint32_t style, QColor color, std::uint32_t hatch) {
  if (style == 1) return Qt::NoBrush;  // BS_NULL
  if (style == 2) {                    // BS_HATCHED
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(color, hatch < 6 ? kHatches[hatch] : Qt::SolidPattern);
  }
  return QBrush(color);
}

QFont MakeFont(int height, int weight, bool italic, bool underline, const QString& face) {
  QFont font(face.isEmpty() ? QStringLiteral("Sans Serif") : face);
  font.setPixelSize(std::max(1, std::abs(height)));
  font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

QString Latin1(const std::uint8_t* text, std::size_t n) {
  const auto end = std::find(text, text + n, 0);
  return QString::fromLatin1(reinterpret_cast<const char*>(text), end - text);
}

// Up to n UTF-16 characters at at, ending at the first zero.
QString Utf16(const Reader& r, std::size_t at, std::size_t n) {
  std::u16string text;
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t c = r.U16(at + 2 * i);
    if (c == 0) break;
    text.push_back(c);
  }
  return QString::fromStdU16String(text);
}

Bitmap ToBitmap(const QImage& image) {
  Bitmap bitmap(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* in = reinterpret_cast<const Pixel*>(image.constScanLine(y));
    Pixel* out = bitmap.Row(y);
    for (int x = 0; x < image.width(); ++x) out[x] = in[x] & 0x00FFFFFF;
  }
  return bitmap;
}

// Pictures larger than this on either side are refused as damaged.
constexpr double kMaxSide = 16384;

int PictureSide(double value) {
  if (!(value >= 1) || value > kMaxSide) Invalid();
  return static_cast<int>(std::lround(value));
}

// ---- Windows metafiles ----

QPointF Wpt(const Reader& r, std::size_t at) {
  return QPointF(r.S16(at + 2), r.S16(at));
}

QPolygonF WmfPoints(const Reader& r, std::size_t at, std::size_t count) {
  QPolygonF points;
  for (std::size_t i = 0; i < count; ++i) {
    points << QPointF(r.S16(at + 4 * i), r.S16(at + 4 * i + 2));
  }
  return points;
}

QRectF WmfRect(const Reader& r, std::size_t at) {  // bottom, right, top, left
  return QRectF(QPointF(r.S16(at + 6), r.S16(at + 4)), QPointF(r.S16(at + 2), r.S16(at)));
}

void PlayWmfRecord(MetafileCanvas& c, std::uint16_t function, const Reader& p) {
  switch (function) {
    case 0x020B:
      c.SetWindowOrg(Wpt(p, 0));
      break;
    case 0x020C:
      c.SetWindowExt(QSizeF(p.S16(2), p.S16(0)));
      break;
    case 0x020D:
      c.SetViewportOrg(Wpt(p, 0));
      break;
    case 0x020E:
      c.SetViewportExt(QSizeF(p.S16(2), p.S16(0)));
      break;
    case 0x0201:
      c.SetBkColor(p.Color(0));
      break;
    case 0x0102:
      c.SetBkOpaque(p.U16(0) == 2);
      break;
    case 0x0106:
      c.SetWinding(p.U16(0) == 2);
      break;
    case 0x0209:
      c.SetTextColor(p.Color(0));
      break;
    case 0x001E:
      c.Save();
      break;
    case 0x0127:
      c.Restore();
      break;
    case 0x02FA:
      c.AddObject(MakePen(p.U16(0), p.S16(2), p.Color(6)));
      break;
    case 0x02FC:
      c.AddObject(MakeBrush(p.U16(0), p.Color(2), p.U16(6)));
      break;
    case 0x02FB:
      c.AddObject(MakeFont(p.S16(0), p.S16(8), p.At(10, 1)[0] != 0, p.At(11, 1)[0] != 0,
                           Latin1(p.At(18, 0), p.Size() - 18)));
      break;
    case 0x00F7:  // CREATEPALETTE, and the other objects played as placeholders
    case 0x01F9:
    case 0x0142:
    case 0x06FF:
      c.AddObject(QBrush(Qt::NoBrush));
      break;
    case 0x012D:
      c.SelectObject(p.U16(0));
      break;
    case 0x01F0:
      c.DeleteObject(p.U16(0));
      break;
    case 0x0214:
      c.MoveTo(Wpt(p, 0));
      break;
    case 0x0213:
      c.LineTo(Wpt(p, 0));
      break;
    case 0x041B:
      c.Rectangle(WmfRect(p, 0));
      break;
    case 0x0418:
      c.Ellipse(WmfRect(p, 0));
      break;
    case 0x061C:
      c.RoundRect(WmfRect(p, 4), QSizeF(p.S16(2), p.S16(0)));
      break;
    case 0x0324:
      c.PolyPolygon({WmfPoints(p, 2, p.U16(0))});
      break;
    case 0x0325:
      c.Polyline(WmfPoints(p, 2, p.U16(0)), false);
      break;
    case 0x0538: {
      const std::size_t n = p.U16(0);
      std::size_t at = 2 + 2 * n;
      std::vector<QPolygonF> polygons;
      for (std::size_t i = 0; i < n; ++i) {
        const std::size_t count = p.U16(2 + 2 * i);
        polygons.push_back(WmfPoints(p, at, count));
        at += 4 * count;
      }
      c.PolyPolygon(polygons);
      break;
    }
    case 0x0521: {  // TEXTOUT: length, text (even length), y, x
      const std::size_t n = p.U16(0);
      const std::size_t at = 2 + ((n + 1) & ~std::size_t{1});
      c.Text(Wpt(p, at), Latin1(p.At(2, n), n), false);
      break;
    }
    case 0x0A32: {  // EXTTEXTOUT: y, x, length, options, [rectangle], text
      const std::size_t n = p.U16(4);
      const std::size_t at = (p.U16(6) & 0x0006) ? 16 : 8;
      c.Text(Wpt(p, 0), Latin1(p.At(at, n), n), false);
      break;
    }
    case 0x0F43: {  // STRETCHDIB
      const QImage image = DibImage(p.At(22, 0), p.Size() - 22);
      c.Image(image, QRectF(p.S16(20), p.S16(18), p.S16(16), p.S16(14)),
              QRectF(p.S16(12), p.S16(10), p.S16(8), p.S16(6)));
      break;
    }
    case 0x0B41: {  // DIBSTRETCHBLT
      const QImage image = DibImage(p.At(20, 0), p.Size() - 20);
      c.Image(image, QRectF(p.S16(18), p.S16(16), p.S16(14), p.S16(12)),
              QRectF(p.S16(10), p.S16(8), p.S16(6), p.S16(4)));
      break;
    }
    case 0x0940: {  // DIBBITBLT
      const QImage image = DibImage(p.At(16, 0), p.Size() - 16);
      c.Image(image, QRectF(p.S16(14), p.S16(12), p.S16(10), p.S16(8)),
              QRectF(p.S16(6), p.S16(4), p.S16(10), p.S16(8)));
      break;
    }
    default:
      break;
  }
}

// ---- Enhanced metafiles ----

QPolygonF EmfPoints(const Reader& r, std::size_t at, std::size_t count, bool shortPoints) {
  QPolygonF points;
  for (std::size_t i = 0; i < count; ++i) {
    if (shortPoints) {
      points << QPointF(r.S16(at + 4 * i), r.S16(at + 4 * i + 2));
    } else {
      points << QPointF(r.S32(at + 8 * i), r.S32(at + 8 * i + 4));
    }
  }
  return points;
}

QRectF EmfRect(const Reader& r, std::size_t at) {
  return QRectF(QPointF(r.S32(at), r.S32(at + 4)), QPointF(r.S32(at + 8), r.S32(at + 12)));
}

std::vector<QPolygonF> EmfPolyPolygon(const Reader& p, bool shortPoints) {
  const std::size_t n = p.U32(16);
  if (n > p.Size()) Invalid();
  std::size_t at = 24 + 4 * n;
  std::vector<QPolygonF> polygons;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t count = p.U32(24 + 4 * i);
    if (count > p.Size()) Invalid();
    polygons.push_back(EmfPoints(p, at, count, shortPoints));
    at += count * (shortPoints ? 4 : 8);
  }
  return polygons;
}

// Plays one record; p starts at the record's parameters (after type and size).
void PlayEmfRecord(MetafileCanvas& c, std::uint32_t type, const Reader& p) {
  const auto points = [&](bool shortPoints) {
    const std::size_t count = p.U32(16);
    if (count > p.Size()) Invalid();
    return EmfPoints(p, 20, count, shortPoints);
  };
  switch (type) {
    case 9:
      c.SetWindowExt(QSizeF(p.S32(0), p.S32(4)));
      break;
    case 10:
      c.SetWindowOrg(QPointF(p.S32(0), p.S32(4)));
      break;
    case 11:
      c.SetViewportExt(QSizeF(p.S32(0), p.S32(4)));
      break;
    case 12:
      c.SetViewportOrg(QPointF(p.S32(0), p.S32(4)));
      break;
    case 17:
      c.SetAnisotropic(p.U32(0) == 7 || p.U32(0) == 8);
      break;
    case 18:
      c.SetBkOpaque(p.U32(0) == 2);
      break;
    case 19:
      c.SetWinding(p.U32(0) == 2);
      break;
    case 24:
      c.SetTextColor(p.Color(0));
      break;
    case 25:
      c.SetBkColor(p.Color(0));
      break;
    case 33:
      c.Save();
      break;
    case 34:
      c.Restore();
      break;
    case 27:
      c.MoveTo(QPointF(p.S32(0), p.S32(4)));
      break;
    case 54:
      c.LineTo(QPointF(p.S32(0), p.S32(4)));
      break;
    case 38:
      c.SetObject(p.U32(0), MakePen(static_cast<std::uint16_t>(p.U32(4)), p.S32(8), p.Color(16)));
      break;
    case 95:
      c.SetObject(p.U32(0), MakePen(static_cast<std::uint16_t>(p.U32(20)), p.U32(24), p.Color(32)));
      break;
    case 39:
      c.SetObject(p.U32(0), MakeBrush(p.U32(4), p.Color(8), p.U32(12)));
      break;
    case 82:  // EXTCREATEFONTINDIRECTW: the logical font follows the index
      c.SetObject(p.U32(0), MakeFont(p.S32(4), p.S32(20), p.At(24, 1)[0] != 0, p.At(25, 1)[0] != 0,
                                     Utf16(p, 32, 32)));
      break;
    case 37: {
      const std::uint32_t index = p.U32(0);
      if (index & 0x80000000u) {
        c.SelectStock(index & 0x7FFFFFFFu);
      } else {
        c.SelectObject(index);
      }
      break;
    }
    case 40:
      c.DeleteObject(p.U32(0));
      break;
    case 43:
      c.Rectangle(EmfRect(p, 0));
      break;
    case 42:
      c.Ellipse(EmfRect(p, 0));
      break;
    case 44:
      c.RoundRect(EmfRect(p, 0), QSizeF(p.S32(16), p.S32(20)));
      break;
    case 3:
      c.PolyPolygon({points(false)});
      break;
    case 86:
      c.PolyPolygon({points(true)});
      break;
    case 4:
      c.Polyline(points(false), false);
      break;
    case 87:
      c.Polyline(points(true), false);
      break;
    case 6:
      c.Polyline(points(false), true);
      break;
    case 89:
      c.Polyline(points(true), true);
      break;
    case 2:
      c.Bezier(points(false), false);
      break;
    case 85:
      c.Bezier(points(true), false);
      break;
    case 5:
      c.Bezier(points(false), true);
      break;
    case 88:
      c.Bezier(points(true), true);
      break;
    case 8:
      c.PolyPolygon(EmfPolyPolygon(p, false));
      break;
    case 91:
      c.PolyPolygon(EmfPolyPolygon(p, true));
      break;
    case 7:
      for (const QPolygonF& line : EmfPolyPolygon(p, false)) c.Polyline(line, false);
      break;
    case 90:
      for (const QPolygonF& line : EmfPolyPolygon(p, true)) c.Polyline(line, false);
      break;
    case 59:
      c.BeginPath();
      break;
    case 60:
      c.EndPath();
      break;
    case 61:
      c.CloseFigure();
      break;
    case 62:
      c.DrawPath(true, false);
      break;
    case 63:
      c.DrawPath(true, true);
      break;
    case 64:
      c.DrawPath(false, true);
      break;
    case 81: {  // STRETCHDIBITS
      const std::uint32_t offBmi = p.U32(40) - 8, cbBmi = p.U32(44);
      const std::uint32_t offBits = p.U32(48) - 8, cbBits = p.U32(52);
      if (cbBmi == 0 || offBits != offBmi + cbBmi) break;
      const QImage image = DibImage(p.At(offBmi, cbBmi + cbBits), cbBmi + cbBits);
      c.Image(image, QRectF(p.S32(16), p.S32(20), p.S32(64), p.S32(68)),
              QRectF(p.S32(24), p.S32(28), p.S32(32), p.S32(36)));
      break;
    }
    case 84: {  // EXTTEXTOUTW: the text record follows the bounds and scales
      const std::size_t text = 28;
      const std::size_t n = p.U32(text + 8);
      const std::size_t offset = p.U32(text + 12) - 8;
      if (n > p.Size()) Invalid();
      c.Text(QPointF(p.S32(text), p.S32(text + 4)), Utf16(p, offset, n), false);
      break;
    }
    default:
      break;
  }
}

}  // namespace

Bitmap RenderWindowsMetafile(const std::uint8_t* data, std::size_t size) {
  const Reader file(data, size);
  std::size_t at = 0;
  QRectF window;
  double inch = 1440;
  if (size >= 22 && file.U32(0) == 0x9AC6CDD7u) {
    window = QRectF(QPointF(file.S16(6), file.S16(8)), QPointF(file.S16(10), file.S16(12)));
    inch = file.U16(14) ? file.U16(14) : 1440;
    at = 22;
  }
  if (size < at + 18 || file.U16(at + 2) != 9) Invalid();
  at += 18;
  // Without a placeable header the picture's size is its first window extent.
  for (std::size_t scan = at; window.isEmpty() && scan + 6 <= size;) {
    const std::size_t words = file.U32(scan);
    if (file.U16(scan + 4) == 0x020C) {
      window = QRectF(0, 0, file.S16(scan + 8), file.S16(scan + 6));
      inch = 96;
    }
    if (words < 3 || words > size / 2) break;
    scan += 2 * words;
  }
  window = window.normalized();
  if (window.isEmpty()) Invalid();
  const int width = PictureSide(window.width() * 96 / inch);
  const int height = PictureSide(window.height() * 96 / inch);
  MetafileCanvas canvas(width, height, QTransform());
  canvas.SetAnisotropic(true);
  canvas.SetWindowOrg(window.topLeft());
  canvas.SetWindowExt(window.size());
  canvas.SetViewportExt(QSizeF(width, height));
  while (at + 6 <= size) {
    const std::size_t bytes = std::size_t{2} * file.U32(at);
    const std::uint16_t function = file.U16(at + 4);
    if (function == 0) break;
    if (bytes < 6 || bytes > size - at) Invalid();
    PlayWmfRecord(canvas, function, Reader(data + at + 6, bytes - 6));
    at += bytes;
  }
  return ToBitmap(canvas.Finish());
}

Bitmap RenderEnhancedMetafile(const std::uint8_t* data, std::size_t size) {
  const Reader file(data, size);
  if (size < 88 || file.U32(0) != 1 || file.U32(40) != 0x464D4520u) Invalid();
  // The frame is in hundredths of a millimetre; device and millimetres give the reference
  // device's resolution, by which the records' device units map onto the frame.
  const QRectF frame =
      QRectF(QPointF(file.S32(24), file.S32(28)), QPointF(file.S32(32), file.S32(36))).normalized();
  const double devW = file.S32(72), devH = file.S32(76);
  const double mmW = file.S32(80), mmH = file.S32(84);
  if (frame.isEmpty() || devW <= 0 || devH <= 0 || mmW <= 0 || mmH <= 0) Invalid();
  const int width = PictureSide(frame.width() * 96 / 2540);
  const int height = PictureSide(frame.height() * 96 / 2540);
  const double pxX = devW / (mmW * 100), pxY = devH / (mmH * 100);  // device pixels per 0.01 mm
  const QRectF frameDevice(frame.left() * pxX, frame.top() * pxY, frame.width() * pxX,
                           frame.height() * pxY);
  const QTransform deviceToPicture =
      QTransform::fromTranslate(-frameDevice.left(), -frameDevice.top()) *
      QTransform::fromScale(width / frameDevice.width(), height / frameDevice.height());
  MetafileCanvas canvas(width, height, deviceToPicture);
  std::size_t at = 0;
  while (at + 8 <= size) {
    const std::uint32_t type = file.U32(at);
    const std::size_t bytes = file.U32(at + 4);
    if (bytes < 8 || bytes > size - at || bytes % 4) Invalid();
    if (type == 14) break;
    if (at > 0) PlayEmfRecord(canvas, type, Reader(data + at + 8, bytes - 8));
    at += bytes;
  }
  return ToBitmap(canvas.Finish());
}
