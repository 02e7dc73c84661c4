#pragma once
// The game file named on the command line.
//
// File names are bytes, and Qt names files by text: a name that is not valid UTF-8 has no text
// that leads back to it. Such a file is opened when the program starts and reached through the
// open descriptor ("/proc/self/fd/N") for as long as the program runs.
//
// A desktop starts the program with a file's address where it has one ("file:///a%20b.qbx":
// the recent files, a file manager's %u): a local address is taken as the file it names.

#include <QString>
#include <QStringList>

// The arguments after the program name, local file addresses as their files; a leading "--"
// (the end of the options) is dropped.
QStringList CommandLineArguments(int argc, char **argv);

// The file a local "file://" address names (percent-encoded; host empty or "localhost"): its
// path, or where its name is not UTF-8, a descriptor of it. Empty for any other text.
QString LocalFileOfAddress(const QByteArray &address);

// One argument is the name exactly as given, so a name may end in a space. Several arguments
// are the words of one name a launcher did not quote, joined by single spaces.
QString GameFileArgument(const QStringList &arguments);

// A file reached through an open descriptor: its name means nothing to another process or a
// later run, and is shown as well as the text allows.
bool ReachedByDescriptor(const QString &path);
// The file's name to show: for a file reached by descriptor, its own name, shown as
// ShownName shows it.
QString ShownFileName(const QString &path);
// A name's bytes as text to show: UTF-8, and a name that is not UTF-8 in the 8-bit encoding
// such names mostly come from (Latin-1), so "caf\xe9" shows as "café", not as a replacement
// character that says nothing.
QString ShownName(const QByteArray &bytes);
// A game's name as the caption and the gallery show it: the file's name less a ".qbx".
QString ShownGameName(const QString &path);

// The text under which the settings keep a game's name for the next start: the path itself, or
// for a file reached by descriptor its name's bytes as a percent-encoded "file://" address,
// which leads back to exactly those bytes. Empty where the name cannot be found.
QString StoredFileName(const QString &path);
// The path to open for a stored name: the name itself, or a descriptor of the file a "file://"
// address names (empty where there is none).
QString OpenStoredFileName(const QString &stored);
