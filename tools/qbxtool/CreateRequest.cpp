#include "tools/qbxtool/CreateRequest.h"

#include <QSet>

namespace {

TStatus Bad(const QString &reason) { return TStatus::Failure(reason); }

TResult<quint8> PictureType(const QString &option, const QString &file) {
  const quint8 type = PictureTypeOfFileName(file);
  if (type == PictureNone)
    return Bad(QStringLiteral("%1 %2: the name must end in JPG or BMP").arg(option, file));
  return type;
}

TResult<bool> Flag(const QString &option, const QString &text) {
  if (text == u"0" || text == u"1")
    return text == u"1";
  return Bad(QStringLiteral("%1 %2: expected 0 or 1").arg(option, text));
}

TResult<quint32> Colour(const QString &option, const QString &text) {
  bool ok = false;
  const qulonglong value = text.startsWith(u"0x", Qt::CaseInsensitive)
                               ? text.mid(2).toULongLong(&ok, 16)
                               : text.toULongLong(&ok, 10);
  if (!ok || value > 0x00FFFFFF)
    return Bad(QStringLiteral("%1 %2: expected a colour 0x00BBGGRR, decimal or 0x-hex, at most "
                              "0xFFFFFF")
                   .arg(option, text));
  return quint32(value);
}

TResult<TBox> Box(const QString &option, const QString &text) {
  const qsizetype colon = text.indexOf(u':');
  if (colon < 0)
    return Bad(QStringLiteral("%1 %2: expected FLAG:COLOUR").arg(option, text));
  TResult<bool> draw = Flag(option, text.left(colon));
  if (!draw.Ok())
    return draw.Status();
  TResult<quint32> colour = Colour(option, text.mid(colon + 1));
  if (!colour.Ok())
    return colour.Status();
  return TBox{draw.Value(), colour.Value()};
}

// "F" or "F:GRID"; a name that itself holds a colon is taken whole unless digits follow the last.
TResult<TLevel> Level(const QString &text) {
  const QString option = QStringLiteral("--level");
  TLevel level;
  level.Path = text;
  const qsizetype colon = text.lastIndexOf(u':');
  if (colon >= 0) {
    bool isNumber = false;
    const uint grid = text.mid(colon + 1).toUInt(&isNumber);
    if (isNumber) {
      if (grid < 1 || grid > 255)
        return Bad(QStringLiteral("%1 %2: the grid size must be 1 to 255").arg(option, text));
      level.Path = text.left(colon);
      level.GridSize = quint8(grid);
    }
  }
  TResult<quint8> type = PictureType(option, level.Path);
  if (!type.Ok())
    return type.Status();
  level.Type = type.Value();
  return level;
}

// One option and its value put into the game.
TStatus ApplyOption(TGameData &game, const QString &option, const QString &value) {
  auto skin = [&](TSkinKind kind) -> TStatus {
    TResult<quint8> type = PictureType(option, value);
    if (!type.Ok())
      return type.Status();
    game.Skin(kind).Path = value;
    game.Skin(kind).Type = type.Value();
    return TStatus::Success();
  };
  auto stretch = [&](TSkinKind kind) -> TStatus {
    TResult<bool> flag = Flag(option, value);
    if (flag.Ok())
      game.Skin(kind).Stretch = flag.Value();
    return flag.Status();
  };
  auto box = [&](TBox &target) -> TStatus {
    TResult<TBox> parsed = Box(option, value);
    if (parsed.Ok())
      target = parsed.Value();
    return parsed.Status();
  };

  if (option == u"--start")
    return skin(SkinStart);
  if (option == u"--playing")
    return skin(SkinPlaying);
  if (option == u"--gameover")
    return skin(SkinGameOver);
  if (option == u"--stretch-start")
    return stretch(SkinStart);
  if (option == u"--stretch-playing")
    return stretch(SkinPlaying);
  if (option == u"--stretch-gameover")
    return stretch(SkinGameOver);
  if (option == u"--play-box")
    return box(game.PlayBox);
  if (option == u"--score-box")
    return box(game.ScoreBox);
  if (option == u"--next-box")
    return box(game.NextBox);
  if (option == u"--level") {
    TResult<TLevel> level = Level(value);
    if (level.Ok())
      game.Levels.append(level.Value());
    return level.Status();
  }
  return Bad(QStringLiteral("unknown option %1").arg(option));
}

} // namespace

TResult<TCreateRequest> TCreateRequest::Parse(const QStringList &args) {
  if (args.isEmpty() || args.first().startsWith(u"--"))
    return Bad(QStringLiteral("create: the output file comes first"));
  TCreateRequest request;
  request.OutPath = args.first();
  TGameData &game = request.Game;
  game.FormatMark = TGameData::BuilderFormatMark;
  game.Scores = TGameData::DefaultScores();

  QSet<QString> seen;
  for (qsizetype i = 1; i < args.size(); i += 2) {
    const QString &option = args[i];
    if (option == u"--force") {
      request.Force = true;
      --i; // it takes no value
      continue;
    }
    if (i + 1 >= args.size())
      return Bad(QStringLiteral("%1: a value must follow").arg(option));
    const QString &value = args[i + 1];
    if (option != u"--level" && seen.contains(option))
      return Bad(QStringLiteral("%1 is given twice").arg(option));
    seen.insert(option);

    const TStatus status = ApplyOption(game, option, value);
    if (!status.Ok())
      return status;
  }

  for (const char *required : {"--start", "--playing", "--gameover", "--level"})
    if (!seen.contains(QLatin1String(required)))
      return Bad(QStringLiteral("create: %1 is missing").arg(QLatin1String(required)));
  if (game.LevelCount() > TGameData::MaxLevels)
    return Bad(QStringLiteral("create: at most %1 levels").arg(TGameData::MaxLevels));
  return request;
}
