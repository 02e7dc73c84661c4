#pragma once
// A level's decoded picture at the size its cells show it (w x h of its geometry), in the
// window picture's format: the source of every uncovered cell and of the level-end screen.

#include <QImage>

struct TPictureGeometry;

QImage CellPicture(const QImage &decoded, const TPictureGeometry &geometry);
