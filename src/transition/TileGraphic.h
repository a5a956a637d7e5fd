#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

// Fills rect with copies of graphic at its natural size, on a grid anchored at rect's top-left
// corner. Only the tiles that touch the part of rect the painter can reach are drawn.
void TileGraphic(QPainter& painter, const QRect& rect, const QImage& graphic);
