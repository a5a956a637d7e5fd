#pragma once

#include <QPainter>
#include <QRect>

// Clipping helpers in the painter's logical coordinates.

// The part of the painter's device that drawing can reach: the device's area, cut to the clip
// region's bounds when clipping is on.
QRect VisibleRect(const QPainter& painter);
// Whether any part of rect can be drawn.
bool IsVisible(const QPainter& painter, const QRect& rect);
// Cuts rect out of the clip region (out of the whole device when clipping is off).
void ExcludeClipRect(QPainter& painter, const QRect& rect);
// Limits the clip region to rect.
void IntersectClipRect(QPainter& painter, const QRect& rect);
