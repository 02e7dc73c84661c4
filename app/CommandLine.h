#pragma once
// The game file named on the command line.

#include <QString>
#include <QStringList>

// One argument is the name exactly as given, so a name may end in a space. Several arguments
// are the words of one name a launcher did not quote, joined by single spaces.
QString GameFileArgument(const QStringList &arguments);
