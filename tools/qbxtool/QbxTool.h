#pragma once
// qbxtool: looks into, checks, takes apart and makes ".qbx" game files from the command line.
// Exit codes: 0 done, 1 the file is bad or could not be read or written, 2 bad arguments.

#include <QStringList>
#include <QTextStream>

struct TCreateRequest;

class TQbxTool {
public:
  enum TExit { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

  TQbxTool(QTextStream &out, QTextStream &err) : Out(out), Err(err) {}

  // args without the program name.
  int Run(const QStringList &args);

  static QString Usage();

private:
  int Info(const QString &path);
  int Verify(const QString &path);
  int Extract(const QString &path, const QString &folder);
  int Create(const QStringList &args);
  // Names every picture of the game to be made that the game could not use, as verify does;
  // returns how many.
  int NameUnusablePictures(const TCreateRequest &request);
  int Failed(const QString &message);
  int BadArguments(const QString &reason);

  QTextStream &Out;
  QTextStream &Err;
};
