#include "transition/TileGraphic.h"

#include "transition/PainterClip.h"

void TileGraphic(QPainter& painter, const QRect& rect, const QImage& graphic) {
  const int gw = graphic.width();
  const int gh = graphic.height();
  if (gw <= 0 || gh <= 0) return;
  painter.save();
  IntersectClipRect(painter, rect);
  const QRect box = VisibleRect(painter) & rect;
  // Snap the box's top-left corner down onto the tile grid.
  const int left = box.left() - (box.left() - rect.left()) % gw;
  const int top = box.top() - (box.top() - rect.top()) % gh;
  const int right = box.left() + box.width();
  const int bottom = box.top() + box.height();
  const QRegion clip = painter.clipRegion();
  for (int y = top; y < bottom; y += gh) {
    for (int x = left; x < right; x += gw) {
      const QRect tile(x, y, gw, gh);
      if (clip.intersects(tile)) painter.drawImage(tile.topLeft(), graphic);
    }
  }
  painter.restore();
}
