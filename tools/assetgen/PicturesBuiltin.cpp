// The pictures compiled into the program: the eight block pictures, the image-list templates
// "Figure" and "Small", the start-key prompt and the pause banner.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/BlockPainter.h"
#include "tools/assetgen/Bmp16.h"
#include "tools/assetgen/CellColours.h"
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/PromptPictures.h"

#include <QPainter>

namespace {

constexpr int BlockSize = 18;
constexpr int SmallSize = 12;

// Four blocks to a row, block k at column k % 4 and row k / 4.
QImage PaintParts() {
  QImage parts(4 * BlockSize, 2 * BlockSize, QImage::Format_RGB32);
  QPainter p(&parts);
  for (int k = 0; k < int(CellColours.size()); ++k)
    p.drawImage((k % 4) * BlockSize, (k / 4) * BlockSize,
                PaintBlock(BlockSize, QColor(CellColours[size_t(k)])));
  return parts;
}

} // namespace

void WriteBuiltinPictures(TAssetFolder &folder) {
  folder.SaveBytes("Parts.bmp", EncodeBmp16(PaintParts()));
  // The image-list templates are 24-bit pictures without any transparent-key pixels: the game
  // replaces "Figure" by a block picture and uses "Small" only for its size.
  folder.SaveImage(
      "Figure.bmp",
      PaintBlock(BlockSize, QColor(CellColours[3])).convertToFormat(QImage::Format_RGB888));
  folder.SaveImage(
      "Small.bmp",
      PaintBlock(SmallSize, QColor(CellColours[7])).convertToFormat(QImage::Format_RGB888));
  // The English words set the font sizes the translations shrink from.
  QStringList tooLong;
  folder.SaveImage("PressSP.png", PaintPressSpace(PressSpaceTexts(), TLettering(), tooLong));
  folder.SaveImage("PauseL.png", PaintPauseBanner(PauseTexts(), TLettering(), tooLong));
  for (const QString &text : tooLong)
    folder.Report(QStringLiteral("\"%1\" is too long for its picture").arg(text));
}
