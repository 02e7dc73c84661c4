// soundgen OUTDIR: synthesises the program's sounds into OUTDIR as <name>.wav, with sounds.qrc
// listing them under "/sounds". Deterministic: the same build writes the same bytes. Exit
// status 0 when every file was written, 1 with a message per failure, 2 on wrong usage.
#include "resources/sounds/BuiltinSounds.h"
#include "tools/soundgen/Recipes.h"
#include "tools/soundgen/WaveImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool WriteFile(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return true;
  std::fprintf(stderr, "soundgen: cannot write %s: %s\n", qPrintable(path),
               qPrintable(file.errorString()));
  return false;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(".")) {
    std::fprintf(stderr, "soundgen: cannot make %s\n", qPrintable(out.path()));
    return 1;
  }
  if (RecipeCount() != static_cast<int>(BuiltinSoundNames.size())) {
    std::fprintf(stderr, "soundgen: %d recipes for %d sounds\n", RecipeCount(),
                 static_cast<int>(BuiltinSoundNames.size()));
    return 1;
  }

  bool ok = true;
  QByteArray qrc = "<RCC>\n  <qresource prefix=\"/sounds\">\n";
  for (const char *name : BuiltinSoundNames) {
    const TRecipe *recipe = FindRecipe(name);
    if (!recipe) {
      std::fprintf(stderr, "soundgen: no recipe for %s\n", name);
      ok = false;
      continue;
    }
    TClip clip(recipe->DataBytes / 2);
    recipe->Compose(clip);
    const QString file = QStringLiteral("%1.wav").arg(name);
    ok = WriteFile(out.filePath(file), WaveImage(clip.Finish(recipe->Peak))) && ok;
    qrc += "    <file>" + file.toUtf8() + "</file>\n";
  }
  qrc += "  </qresource>\n</RCC>\n";
  ok = WriteFile(out.filePath("sounds.qrc"), qrc) && ok;
  return ok ? 0 : 1;
}
