#include "tools/qbxtool/QbxTool.h"

#include "gamefile/GameFile.h"
#include "gamefile/GameFileReader.h"
#include "gamefile/StandAlone.h"
#include "gamefile/WorkingPictures.h"
#include "pictures/JpegUpright.h"
#include "pictures/PictureDecoder.h"
#include "tools/qbxtool/CreateRequest.h"
#include "tools/qbxtool/Thumbnail.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

using namespace GameFileLayout;

namespace {

QString Hex(quint32 colour) {
  return QStringLiteral("0x") + QString::number(colour, 16).toUpper().rightJustified(8, u'0');
}

// A stored name in quotes, printable ASCII as it is, anything else as \xHH.
QString QuotedName(const QByteArray &name) {
  QString quoted = QStringLiteral("\"");
  for (char c : name) {
    const uchar u = uchar(c);
    if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\')
      quoted += QLatin1Char(c);
    else
      quoted += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
  }
  return quoted + u'"';
}

QString RecordKey(int record) {
  switch (record) {
  case SkinRecord(SkinStart):
    return QStringLiteral("start-skin");
  case SkinRecord(SkinPlaying):
    return QStringLiteral("playing-skin");
  case SkinRecord(SkinGameOver):
    return QStringLiteral("gameover-skin");
  default:
    return QStringLiteral("level %1").arg(record - SkinRecordCount + 1);
  }
}

// Every JPEG of the game that is stored turned (a phone's portrait photo) replaced by an upright
// copy in `folder`, as the builder stores it.
TStatus UseUprightJpegs(TGameData &game, const QString &folder) {
  QList<QString *> paths;
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    if (game.Skin(kind).Type == PictureJpeg)
      paths << &game.Skin(kind).Path;
  for (TLevel &level : game.Levels)
    if (level.Type == PictureJpeg)
      paths << &level.Path;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    const TResult<QString> upright =
        UprightJpegFile(*paths[i], QStringLiteral("%1/%2.jpg").arg(folder).arg(i));
    if (!upright.Ok())
      return TStatus::Failure(*paths[i] + QStringLiteral(": ") + upright.Error());
    *paths[i] = upright.Value();
  }
  return TStatus::Success();
}

// How a picture of `record` is decoded by the game: a level's cut by its grid and at the size it
// is shown at.
TPictureUse UseOf(int record, int grid) {
  return IsLevelRecord(record) ? TPictureUse::Level(grid) : TPictureUse();
}

// What the game does about a picture of `record` that it cannot use.
QString Outcome(int record) {
  return IsLevelRecord(record) ? QStringLiteral("; the game skips this level") : QString();
}

} // namespace

QString TQbxTool::Usage() {
  return QStringLiteral(
      "Usage:\n"
      "  qbxtool info FILE        print the header, every record and the high-score table\n"
      "  qbxtool verify FILE      check every offset, length and picture type, and decode every\n"
      "                           picture as the game does; each one that cannot be used is\n"
      "                           named (a level with one is skipped by the game), and so is a\n"
      "                           game without levels\n"
      "  qbxtool extract FILE DIR copy every picture into DIR as tps, tpp, tpg, tpl0, tpl1, ...\n"
      "                           with .jpg or .bmp after the picture type\n"
      "  qbxtool create OUT --start F --playing F --gameover F --level F[:GRID]...\n"
      "                 [--stretch-start 0|1] [--stretch-playing 0|1] [--stretch-gameover 0|1]\n"
      "                 [--play-box FLAG:COLOUR] [--score-box FLAG:COLOUR]\n"
      "                 [--next-box FLAG:COLOUR] [--force]\n"
      "      The picture type follows the last three letters of the name: JPG or BMP.\n"
      "      GRID 1..255, default 44; stretch flags default 1; box flags default 0;\n"
      "      COLOUR decimal or 0x-hex as 0x00BBGGRR, default 0xFFFFFF.\n"
      "      The game gets format mark 10 and ten high scores \"Zanpek\" 0.\n"
      "      A JPEG whose EXIF orientation says it is turned (a phone's portrait photo) is\n"
      "      stored upright, without its EXIF block.\n"
      "      Every picture is decoded as the game does, and each one the game could not use\n"
      "      is named as verify names it; then nothing is written and the status is 1, unless\n"
      "      --force is given: the game is written all the same (the game skips such a level).\n"
      "  qbxtool thumbnail GAME OUT.png SIZE\n"
      "                           write the first level's picture (the start skin of a game\n"
      "                           without levels) as a PNG fitted into SIZE x SIZE (1..1024),\n"
      "                           for the desktop's thumbnailer\n"
      "info, verify, extract and thumbnail read the game inside a stand-alone game (Make EXE)\n"
      "as well.\n"
      "\n"
      "info prints one \"key value...\" line per item, in this order:\n"
      "  file NAME\n"
      "  size BYTES\n"
      "  format-mark N\n"
      "  play-box FLAG 0xCOLOUR / score-box FLAG 0xCOLOUR / next-box FLAG 0xCOLOUR\n"
      "  stretch-playing FLAG / stretch-start FLAG / stretch-gameover FLAG\n"
      "  levels N\n"
      "  start-skin offset O type T length L   (likewise playing-skin, gameover-skin)\n"
      "  level I offset O type T length L grid G   (I from 1)\n"
      "  score-table offset O\n"
      "  score I SCORE \"NAME\"   (I from 1, best first; NAME the 6 stored bytes, others as "
      "\\xHH)\n"
      "\n"
      "FILE must be a regular file (or a symlink to one).\n"
      "Exit status: 0 done, 1 bad or unreadable file, 2 bad arguments.\n");
}

int TQbxTool::Failed(const QString &message) {
  Err << "qbxtool: " << message << Qt::endl;
  return ExitFailed;
}

int TQbxTool::BadArguments(const QString &reason) {
  Err << "qbxtool: " << reason << "\n" << Usage() << Qt::flush;
  return ExitUsage;
}

int TQbxTool::Run(const QStringList &args) {
  if (args.size() == 1 && (args[0] == u"--help" || args[0] == u"-h")) {
    Out << Usage() << Qt::flush;
    return ExitOk;
  }
  const QString command = args.value(0);
  if (command == u"info" && args.size() == 2)
    return Info(args[1]);
  if (command == u"verify" && args.size() == 2)
    return Verify(args[1]);
  if (command == u"extract" && args.size() == 3)
    return Extract(args[1], args[2]);
  if (command == u"create")
    return Create(args.mid(1));
  if (command == u"thumbnail")
    return Thumbnail(args.mid(1), Err);
  if (command == u"info" || command == u"verify" || command == u"extract")
    return BadArguments(QStringLiteral("%1: wrong number of arguments").arg(command));
  return BadArguments(command.isEmpty() ? QStringLiteral("no command")
                                        : QStringLiteral("unknown command %1").arg(command));
}

int TQbxTool::Info(const QString &path) {
  TResult<TIndexedGame> game = OpenIndexed(GameIn(path));
  if (!game.Ok())
    return Failed(game.Error());
  TGameFileReader &reader = game->Reader;
  const TGameIndex &index = game->Index;
  const TGameHeader &header = index.Header;
  Out << "file " << reader.Name() << "\n"
      << "size " << reader.Size() << "\n"
      << "format-mark " << int(header.FormatMark) << "\n";
  for (auto [key, box] :
       {std::pair{"play-box", header.PlayBox}, std::pair{"score-box", header.ScoreBox},
        std::pair{"next-box", header.NextBox}})
    Out << key << " " << int(box.Draw) << " " << Hex(box.Colour) << "\n";
  Out << "stretch-playing " << int(header.PlayingStretch) << "\n"
      << "stretch-start " << int(header.StartStretch) << "\n"
      << "stretch-gameover " << int(header.GameOverStretch) << "\n"
      << "levels " << header.LevelCount << "\n";
  for (const TRecordInfo &record : index.Records) {
    Out << RecordKey(record.Record) << " offset " << record.Offset << " type " << int(record.Type)
        << " length " << record.Length;
    if (IsLevelRecord(record.Record))
      Out << " grid " << int(record.GridSize);
    Out << "\n";
  }
  Out << "score-table offset " << header.ScoreTableOffset << "\n";
  for (size_t i = 0; i < header.Scores.size(); ++i)
    Out << "score " << i + 1 << " " << header.Scores[i].Score << " "
        << QuotedName(header.Scores[i].Name) << "\n";
  Out.flush();
  return ExitOk;
}

int TQbxTool::Verify(const QString &path) {
  TResult<TIndexedGame> game = OpenIndexed(GameIn(path));
  if (!game.Ok())
    return Failed(game.Error());
  TGameFileReader &reader = game->Reader;
  const TGameIndex &index = game->Index;
  // Every picture is decoded as the game would decode it, and every one the game could not use
  // is named, with what the game does about it.
  int bad = 0;
  if (index.Header.LevelCount == 0) {
    Failed(reader.Fail(QStringLiteral("the game has no levels, so it cannot be played")).Error());
    ++bad;
  }
  for (const TRecordInfo &record : index.Records) {
    const QString outcome = Outcome(record.Record);
    if (TStatus s = reader.CheckPicture(record); !s.Ok()) {
      Failed(s.Error() + outcome);
      ++bad;
      continue;
    }
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (TStatus s = reader.CopyPicture(record, out, QStringLiteral("memory")); !s.Ok())
      return Failed(s.Error());
    const TDecodedPicture picture =
        TPictureDecoder().Decode(bytes, record.Type, UseOf(record.Record, record.GridSize));
    if (!picture.Ok()) {
      Failed(
          reader.Fail(RecordName(record.Record) + QStringLiteral(": ") + picture.Reason).Error() +
          outcome);
      ++bad;
    }
  }
  if (bad > 0)
    return ExitFailed;
  Out << "ok" << Qt::endl;
  return ExitOk;
}

int TQbxTool::Extract(const QString &path, const QString &folder) {
  std::error_code error;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
  if (error)
    return Failed(QStringLiteral("%1: cannot create the folder (%2)")
                      .arg(folder, QString::fromLocal8Bit(error.message())));
  TGameData game;
  if (TStatus s = ExtractAllPictures(GameIn(path), game, folder); !s.Ok())
    return Failed(s.Error());
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    Out << game.Skin(kind).Path << "\n";
  for (const TLevel &level : game.Levels)
    Out << level.Path << "\n";
  Out.flush();
  return ExitOk;
}

int TQbxTool::Create(const QStringList &args) {
  TResult<TCreateRequest> request = TCreateRequest::Parse(args);
  if (!request.Ok())
    return BadArguments(request.Error());
  const QTemporaryDir upright;
  if (!upright.isValid())
    return Failed(QStringLiteral("no temporary folder (%1)").arg(upright.errorString()));
  if (TStatus s = UseUprightJpegs(request->Game, upright.path()); !s.Ok())
    return Failed(s.Error());
  if (NameUnusablePictures(request.Value()) > 0 && !request->Force)
    return Failed(QStringLiteral("%1: not written (--force writes it all the same)")
                      .arg(QFileInfo(request->OutPath).fileName()));
  if (TStatus s = WriteGameFile(request->OutPath, request->Game); !s.Ok())
    return Failed(s.Error());
  return ExitOk;
}

int TQbxTool::NameUnusablePictures(const TCreateRequest &request) {
  const TGameData &game = request.Game;
  const QString out = QFileInfo(request.OutPath).fileName();
  struct TPictureFile {
    int Record;
    QString Path;
    quint8 Type;
    int Grid;
  };
  QList<TPictureFile> pictures;
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    pictures.append({SkinRecord(kind), game.Skin(kind).Path, quint8(game.Skin(kind).Type), 0});
  for (int i = 0; i < game.LevelCount(); ++i)
    pictures.append({LevelRecord(i + 1), game.Levels[i].Path, quint8(game.Levels[i].Type),
                     game.Levels[i].GridSize});
  int unusable = 0;
  for (const auto &[record, path, type, grid] : pictures) {
    // A file that cannot be read is the writer's to name.
    if (!QFileInfo(path).isReadable())
      continue;
    const TDecodedPicture picture = TPictureDecoder().DecodeFile(path, type, UseOf(record, grid));
    if (picture.Ok())
      continue;
    Err << "qbxtool: " << (request.Force ? "warning: " : "") << out << ": " << RecordName(record)
        << ": " << picture.Reason << Outcome(record) << Qt::endl;
    ++unusable;
  }
  return unusable;
}
