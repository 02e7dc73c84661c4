#pragma once
// The desktop's list of recently used files ($XDG_DATA_HOME/recently-used.xbel), which file
// choosers and the "Recent" places of file managers show. An entry is written the way GTK
// writes one: the file's address, when it was added, changed and visited, its MIME type and the
// programs that used it with how often. Every other entry is kept as it is.
//
// GTK does not lock the file, so the file is read again just before it is replaced, and the
// replacement is a rename of a complete file beside it (nobody ever reads half a list). Writers
// that do lock (every Quarrybox) take turns through a lock on a side file, so none loses what
// another added. A file that is not a bookmark list is left alone: losing the desktop's whole
// history to a write would be worse than one game missing from it.

#include "gamefile/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TRecentlyUsedProgram {
  QString Name;     // "Quarrybox"
  QString Exec;     // "'quarrybox %u'"
  QString MimeType; // of the file
};

// <dataHome>/recently-used.xbel
QString RecentlyUsedXbelPath(const QString &dataHome);

// The file whose name is these bytes, used now by the program: added, or its entry updated.
TStatus AddRecentlyUsed(const QString &xbelPath, const QByteArray &fileName,
                        const TRecentlyUsedProgram &program,
                        const QDateTime &now = QDateTime::currentDateTimeUtc());

// The file address the list uses for a file name's bytes ("file:///a%20b.qbx").
QString RecentlyUsedAddress(const QByteArray &fileName);
