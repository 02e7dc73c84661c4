#pragma once
// What the builder shows behind itself on the 600 x 400 window picture: the shown skin, and for
// the playing skin the panel outlines and the current level picture cut by its grid. The level
// picture is fitted by the author's rule (halves round to even, no halving of tall cells), so
// the grid the author sees is the one chosen, not the play screen's cells.

#include <QImage>
#include <QSize>
#include <QString>

class TBuilderModel;

// Where the level picture lands in the left 300 x 400 of the window picture and how big its
// cells are. The picture is at most about 270 wide and 360 high.
struct TPreviewFit {
  int X0 = 0;
  int Y0 = 0;
  int Width = 0;
  int Height = 0;
  double CellWidth = 0;
  double CellHeight = 0;
};

// Empty picture sizes and a grid size of 0 give an empty fit.
TPreviewFit FitPreviewPicture(QSize picture, int gridSize);

struct TPreviewResult {
  // Columns and rows of the level picture's grid; 0 when no level picture was drawn.
  int Columns = 0;
  int Rows = 0;
  // A cell's size on the preview, in pixels.
  double CellWidth = 0;
  double CellHeight = 0;
  // Set when a picture could not be read; what could be drawn is drawn all the same.
  QString Error;
};

// Draws the builder's state onto `windowPicture` (made 600 x 400 if it is not).
TPreviewResult DrawBuilderPreview(QImage &windowPicture, const TBuilderModel &model);
