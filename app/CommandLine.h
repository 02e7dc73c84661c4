#pragma once
// The game file named on the command line.
//
// File names are bytes, and Qt names files by text: a name that is not valid UTF-8 has no text
// that leads back to it. Such a file is opened when the program starts and reached through the
// open descriptor ("/proc/self/fd/N") for as long as the program runs.

#include <QString>
#include <QStringList>

// The arguments after the program name.
QStringList CommandLineArguments(int argc, char **argv);

// One argument is the name exactly as given, so a name may end in a space. Several arguments
// are the words of one name a launcher did not quote, joined by single spaces.
QString GameFileArgument(const QStringList &arguments);

// A file reached through an open descriptor: its name means nothing to another process or a
// later run, and is shown as well as the text allows.
bool ReachedByDescriptor(const QString &path);
// The file's name to show: for a file reached by descriptor, its own name, with the bytes that
// are not UTF-8 shown as replacement characters.
QString ShownFileName(const QString &path);

// The text under which the settings keep a game's name for the next start: the path itself, or
// for a file reached by descriptor its name's bytes as a percent-encoded "file://" address,
// which leads back to exactly those bytes. Empty where the name cannot be found.
QString StoredFileName(const QString &path);
// The path to open for a stored name: the name itself, or a descriptor of the file a "file://"
// address names (empty where there is none).
QString OpenStoredFileName(const QString &stored);
