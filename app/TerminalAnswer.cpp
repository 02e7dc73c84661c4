#include "app/TerminalAnswer.h"

#include "app/Translations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

enum class TOption { Run, Help, Version, Unknown };

TOption FirstOption(int argc, char **argv, QByteArray &unknown) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "--" || !argument.startsWith('-') || argument == "-")
      break;
    if (argument == "-h" || argument == "--help")
      return TOption::Help;
    if (argument == "-v" || argument == "--version")
      return TOption::Version;
    unknown = argument;
    return TOption::Unknown;
  }
  return TOption::Run;
}

void Print(std::FILE *to, const QString &text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

} // namespace

std::optional<int> AnswerOnTerminal(int argc, char **argv) {
  QByteArray unknown;
  const TOption option = FirstOption(argc, argv, unknown);
  if (option == TOption::Run)
    return std::nullopt;
  const QCoreApplication core(argc, argv);
  Translations::Install(Translations::Choose(QLocale().uiLanguages(), Translations::Available()));
  const QString program = QFileInfo(QFile::decodeName(argv[0])).fileName();
  switch (option) {
  case TOption::Help:
    //: The answer to --help; %1: the program's name. Keep the options as they are.
    Print(stdout,
          QCoreApplication::translate(
              "TerminalAnswer",
              "Usage: %1 [GAME FILE]\n"
              "Plays the falling-block game in GAME FILE (a .qbx file or its file:// address),\n"
              "else the game played last.\n"
              "\n"
              "  -h, --help     show this help and end\n"
              "  -v, --version  show the version and end\n")
              .arg(program));
    return 0;
  case TOption::Version:
    Print(stdout, QStringLiteral("Quarrybox 2.0\n"));
    return 0;
  case TOption::Unknown:
  case TOption::Run:
    break;
  }
  //: %1: the program's name, %2: the option it does not know
  Print(stderr, QCoreApplication::translate("TerminalAnswer",
                                            "%1: unknown option \"%2\"\nTry \"%1 --help\".\n")
                    .arg(program, QString::fromLocal8Bit(unknown)));
  return 2;
}
