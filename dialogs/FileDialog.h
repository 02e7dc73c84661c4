#pragma once
// Qt's file dialog, opened no wider than the window it is asked from: its own width is more
// than the game's window at its usual size, and a dialog sticking out past the window it
// belongs to looks like another program's. It is never made narrower than its rows need, so
// the file name, the file type and their buttons always show whole.

#include <QString>
#include <QStringList>

class QWidget;

namespace FileDialog {

// An existing file, or nothing when the player cancels.
QString AskOpenFile(QWidget *parent, const QString &caption, const QString &folder,
                    const QString &filter);
// Existing files, or none.
QStringList AskOpenFiles(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter);
// A file to write, starting from `path` (folder and name); an existing file is not confirmed
// here: the game asks itself.
QString AskSaveFile(QWidget *parent, const QString &caption, const QString &path,
                    const QString &filter);

} // namespace FileDialog
