#include "transition/PainterClip.h"

#include <QPaintDevice>
#include <QRegion>

namespace {

QRect DeviceRect(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  const QRect area(0, 0, device->width(), device->height());
  return painter.transform().inverted().mapRect(area);
}

}  // namespace

QRect VisibleRect(const QPainter& painter) {
  const QRect device = DeviceRect(painter);
  if (!painter.hasClipping()) return device;
  return device & painter.clipBoundingRect().toAlignedRect();
}

bool IsVisible(const QPainter& painter, const QRect& rect) {
  if (rect.isEmpty()) return false;
  if (!painter.hasClipping()) return DeviceRect(painter).intersects(rect);
  return DeviceRect(painter).intersects(rect) && painter.clipRegion().intersects(rect);
}

void ExcludeClipRect(QPainter& painter, const QRect& rect) {
  const QRegion clip = painter.hasClipping() ? painter.clipRegion() : QRegion(DeviceRect(painter));
  painter.setClipRegion(clip.subtracted(QRegion(rect)));
}

void IntersectClipRect(QPainter& painter, const QRect& rect) {
  painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}
