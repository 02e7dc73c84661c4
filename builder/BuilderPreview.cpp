#include "builder/BuilderPreview.h"

#include "builder/BuilderModel.h"
#include "gamefile/PictureType.h"
#include "pictures/PictureDecoder.h"
#include "rules/Rounding.h"
#include "screen/Canvas.h"
#include "screen/LevelScreen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

namespace {

constexpr QRgb GridColour = WindowColour(0x4080FF);
constexpr QRgb FrameColour = WindowColour(0xFFFF00);

QString CannotRead(const QString &path, const QString &why) {
  return QCoreApplication::translate("BuilderPreview", "The picture %1 cannot be shown: %2.")
      .arg(QFileInfo(path).fileName(), why);
}

// Decoded with the game's limits, so that the author sees at once a picture the game would
// refuse (a JPEG of thousands of scans is refused in a moment instead of taking seconds), and
// a JPEG at the smallest DCT scale that still covers `shown`.
TDecodedPicture DecodeForPreview(const QString &path, quint8 type,
                                 std::function<QSize(QSize)> shown) {
  TPictureUse use;
  use.ShownSize = std::move(shown);
  const quint8 known = IsKnownPictureType(type) ? type : PictureTypeOfFileName(path);
  return TPictureDecoder().DecodeFile(path, known, use);
}

struct TGridCount {
  int Columns = 0;
  int Rows = 0;
  double CellWidth = 0;
  double CellHeight = 0;
};

// `stored`: the picture's own size, from which the fit is measured; `picture` may be decoded
// smaller.
TGridCount DrawLevelPicture(QImage &windowPicture, const QImage &picture, QSize stored,
                            int gridSize) {
  const TPreviewFit fit = FitPreviewPicture(stored, gridSize);
  if (fit.Width <= 0 || fit.Height <= 0)
    return {};
  QPainter p(&windowPicture);
  p.drawImage(QRect(fit.X0, fit.Y0, fit.Width, fit.Height), picture);
  TGridCount count{1, 1, fit.CellWidth, fit.CellHeight};
  // Positions are summed step by step, as the lines are placed one after another.
  for (double x = fit.CellWidth; x <= fit.Width - 1; x += fit.CellWidth, ++count.Columns) {
    const int at = fit.X0 + RoundHalfEven(x);
    CanvasLine(p, {at, fit.Y0}, {at, fit.Y0 + fit.Height}, GridColour);
  }
  for (double y = fit.CellHeight; y <= fit.Height - 1; y += fit.CellHeight, ++count.Rows) {
    const int at = fit.Y0 + RoundHalfEven(y);
    CanvasLine(p, {fit.X0, at}, {fit.X0 + fit.Width, at}, GridColour);
  }
  const int left = fit.X0 - 1, top = fit.Y0 - 1;
  CanvasPolyline(p,
                 {{left, top},
                  {left + fit.Width, top},
                  {left + fit.Width, top + fit.Height},
                  {left, top + fit.Height},
                  {left, top}},
                 FrameColour);
  return count;
}

} // namespace

TPreviewFit FitPreviewPicture(QSize picture, int gridSize) {
  if (picture.isEmpty() || gridSize <= 0)
    return {};
  const double w = picture.width(), h = picture.height(), g = gridSize;
  const double a = w / h, b = h / w;
  TPreviewFit fit;
  fit.CellWidth = g;
  int n = RoundHalfEven(w / g);
  fit.Width = RoundHalfEven(n * g);
  fit.Height = RoundHalfEven(fit.Width / a);
  fit.CellHeight = g / a;
  if (fit.Width > 270) { // checked once: the result may end a little above 270
    n = RoundHalfEven(270 / g);
    fit.Width = RoundHalfEven(n * g);
    fit.Height = RoundHalfEven(fit.Width / a);
  }
  if (fit.Height > 360) {
    fit.CellHeight = g;
    n = RoundHalfEven(360 / g);
    fit.Height = RoundHalfEven(n * g);
    fit.Width = RoundHalfEven(fit.Height / b);
    fit.CellWidth = g / b;
  }
  fit.X0 = CentreOffset(300, fit.Width);
  fit.Y0 = CentreOffset(400, fit.Height);
  return fit;
}

TPreviewResult DrawBuilderPreview(QImage &windowPicture, const TBuilderModel &model) {
  TPreviewResult result;
  TLevelScreen screen;
  const TSkin &skin = model.Skin(model.ShownSkin());
  if (!skin.Path.isEmpty()) {
    const QSize window = skin.Stretch ? screen.Picture().size() : QSize();
    const TDecodedPicture picture = DecodeForPreview(skin.Path, skin.Type, [window](QSize stored) {
      return window.isEmpty() ? stored : window;
    });
    if (!picture.Ok())
      result.Error = CannotRead(skin.Path, picture.Reason);
    else
      screen.DrawSkin(picture.Image, skin.Stretch);
  }
  if (model.ShownSkin() == SkinPlaying) {
    TGameData outlines;
    model.ApplyBoxes(outlines);
    screen.DrawPanelFrames(outlines);
    const TLevel *level = model.Levels().CurrentData();
    if (level && model.LevelPictureVisible()) {
      const int grid = level->GridSize;
      const TDecodedPicture picture =
          DecodeForPreview(level->Path, level->Type, [grid](QSize stored) {
            const TPreviewFit fit = FitPreviewPicture(stored, grid);
            return fit.Width > 0 ? QSize(fit.Width, fit.Height) : stored;
          });
      if (!picture.Ok()) {
        result.Error = CannotRead(level->Path, picture.Reason);
      } else {
        const TGridCount count =
            DrawLevelPicture(screen.Picture(), picture.Image, picture.StoredSize, grid);
        result.Columns = count.Columns;
        result.Rows = count.Rows;
        result.CellWidth = count.CellWidth;
        result.CellHeight = count.CellHeight;
      }
    }
  }
  windowPicture = screen.Picture();
  return result;
}
