// assetgen OUTDIR: paints every picture the build ships into OUTDIR.
// assetgen OUTDIR --translations QM...: paints only the pictures with words, in each language.
// Exit status 0 when every file was written, 1 with one message per failure otherwise, 2 on
// wrong usage.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/Pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv) {
  // Fonts need a GUI application, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments().mid(1);
  const bool translated = arguments.value(1) == QLatin1String("--translations");
  if (arguments.size() != 1 && !(translated && arguments.size() > 2)) {
    std::fprintf(stderr, "usage: assetgen OUTDIR [--translations QM...]\n");
    return 2;
  }

  TAssetFolder folder(arguments.first());
  if (folder.Prepare() && translated) {
    WriteTranslatedPictures(folder, arguments.mid(2));
  } else if (folder.Errors().isEmpty()) {
    WriteBuiltinPictures(folder);
    WriteIconPictures(folder);
    WriteSkinPictures(folder);
    WriteLevelPictures(folder);
  }
  for (const QString &failure : folder.Errors())
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(failure));
  return folder.Errors().isEmpty() ? 0 : 1;
}
