#pragma once
// One bevelled game block: light top and left edges, dark bottom and right edges, a faint gloss
// in the upper left of the face. The centre pixel keeps the exact face colour, so a block can
// be matched to its cell colour.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>

QImage PaintBlock(int size, QColor face);

// Draws a piece: one block of the given size at each cell, pitch = size + gap.
void DrawBlocks(QPainter &p, QPointF origin, int size, int gap, QColor colour,
                const QList<QPoint> &cells);
