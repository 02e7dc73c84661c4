#pragma once
// One named picture of an image list. RebuildSurface prepares the picture for drawing: with
// Transparent set, every pixel of TransparentColor becomes fully transparent in a premultiplied
// copy, so a colour-keyed copy is one plain image draw. Changing the picture or its settings
// takes effect at the next RebuildSurface.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class TSurface;

class TImageListItem {
public:
  const QString &Name() const { return ItemName; }
  void SetName(const QString &name) { ItemName = name; }
  const QImage &Picture() const { return Source; }
  void SetPicture(const QImage &picture) { Source = picture; }
  bool Transparent() const { return IsTransparent; }
  void SetTransparent(bool on) { IsTransparent = on; }
  // Compared on red, green and blue only.
  QRgb TransparentColor() const { return KeyColor; }
  void SetTransparentColor(QRgb color) { KeyColor = color; }

  // 0 means "the whole picture"; otherwise the picture is cut into patterns of this size, left
  // to right, then top to bottom.
  int PatternWidth() const { return PatternW; }
  void SetPatternWidth(int width) { PatternW = width; }
  int PatternHeight() const { return PatternH; }
  void SetPatternHeight(int height) { PatternH = height; }

  // Size of one pattern.
  int Width() const { return PatternW > 0 ? PatternW : Source.width(); }
  int Height() const { return PatternH > 0 ? PatternH : Source.height(); }

  void RebuildSurface();
  void DiscardSurface();
  bool SurfaceBuilt() const { return !Prepared.isNull(); }
  int PatternCount() const { return Patterns; }

  // Copies pattern to (x, y) of dest, clipped to dest. Nothing unless the surface is built and
  // the pattern exists.
  void Draw(TSurface &dest, int x, int y, int pattern) const;

private:
  QRect PatternRect(int pattern) const;

  QString ItemName;
  QImage Source;
  bool IsTransparent = false;
  QRgb KeyColor = qRgb(0, 0, 0);
  int PatternW = 0;
  int PatternH = 0;

  // As made by the last RebuildSurface.
  QImage Prepared;
  QSize PatternSize;
  int Patterns = 0;
};
