// assetgen OUTDIR: paints every picture the build ships into OUTDIR. Exit status 0 when every
// file was written, 1 with one message per failure otherwise, 2 on wrong usage.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/Pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
  // Fonts need a GUI application, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen OUTDIR\n");
    return 2;
  }

  TAssetFolder folder(QString::fromLocal8Bit(argv[1]));
  if (folder.Prepare()) {
    WriteBuiltinPictures(folder);
    WriteIconPictures(folder);
    WriteSkinPictures(folder);
    WriteLevelPictures(folder);
  }
  for (const QString &failure : folder.Errors())
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(failure));
  return folder.Errors().isEmpty() ? 0 : 1;
}
