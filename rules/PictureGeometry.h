#pragma once
// How big a level picture is shown and how big its cells are, from the picture's own size W x H
// and the level's grid size G (the cell width the game's author chose). Both the level screen
// and the level-end screen size the picture this way.
//
// The arithmetic is fixed: real divisions, truncation toward zero, a cell taller than 1.3 times
// its width is halved, and the picture is limited to 270 pixels across, then 360 down.

#include <QSize>

#include <optional>

struct TPictureGeometry {
  int Width = 0;         // w: the picture is stretched to w x h
  int Height = 0;        // h
  double CellWidth = 0;  // cw'
  double CellHeight = 0; // ch'
};

// Empty when the picture cannot be cut into cells: grid size 0, an empty picture, or cells or
// a picture that come out less than one pixel (so that there would be no column or no row).
std::optional<TPictureGeometry> PictureGeometry(QSize picture, int gridSize);
