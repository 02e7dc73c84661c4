// The level pictures of the default game: eight painted scenes of different subjects and
// shapes (landscape, portrait, square), from 210 x 270 up to 1600 x 1200, two of them 24-bit
// BMPs and the rest JPEGs, so the game exercises every way a level picture is scaled and cut.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Scenes.h"

namespace {

struct TLevelPicture {
  const char *FileName;
  QSize Size;
  QImage (*Paint)(QSize);
};

// The file names are the ones resources/CMakeLists.txt builds the default game from.
const TLevelPicture LevelPictures[] = {
    {"Level1_Sunflower.jpg", {480, 480}, PaintSunflower},
    {"Level2_Harbour.bmp", {400, 300}, PaintHarbour},
    {"Level3_MountainLake.jpg", {800, 600}, PaintMountainLake},
    {"Level4_Castle.jpg", {630, 900}, PaintCastle},
    {"Level5_Planet.jpg", {900, 900}, PaintPlanet},
    {"Level6_CitySkyline.jpg", {1600, 1200}, PaintCitySkyline},
    {"Level7_CoralReef.jpg", {1024, 768}, PaintCoralReef},
    {"Level8_Balloons.bmp", {210, 270}, PaintBalloons},
};

} // namespace

void WriteLevelPictures(TAssetFolder &folder) {
  for (const TLevelPicture &level : LevelPictures) {
    QImage picture = level.Paint(level.Size);
    if (picture.size() != level.Size) {
      folder.Report(QStringLiteral("%1 was painted at the wrong size").arg(level.FileName));
      continue;
    }
    // Qt writes a 24-bit BMP from an RGB888 picture.
    folder.SaveImage(level.FileName, picture.convertToFormat(QImage::Format_RGB888), 90);
  }
}
