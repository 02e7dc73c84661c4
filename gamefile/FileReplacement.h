#pragma once
// Replaces a file so that a crash or a power cut leaves the old file or the new one, never
// neither: the new bytes go to a temporary file beside the target, which is synced and renamed
// over it, and then the folder is synced so that the rename itself is on disk. The temporary
// file is named ".<name>.<process id>.new": the next start removes one left by a killed
// process, and no other process or user can have chosen the same name.
//
// The replacement keeps the file's owner and group where the user may give them (root, or a
// group the user is in). A file with other hard links would be parted from them by a rename:
// it is written in place instead, through the synced temporary file renamed to
// ".<name>.<process id>.inplace" first; a process killed during the write leaves that copy, and
// the next start writes it in again.

#include "gamefile/Result.h"

#include <QFile>
#include <QString>

// Syncs the folder holding path, so that a rename or a new entry in it survives a power cut.
TStatus SyncFolderOf(const QString &path);

class TFileReplacement {
public:
  TFileReplacement(const QString &target, QFile::Permissions permissions);
  ~TFileReplacement(); // removes the temporary file unless committed
  TFileReplacement(const TFileReplacement &) = delete;
  TFileReplacement &operator=(const TFileReplacement &) = delete;

  // Creates the temporary file; fails if it exists already.
  TStatus Open();
  QFile &File() { return Temporary; }
  TStatus Commit();

  // Removes the temporary files of target left by processes that no longer run, after
  // finishing an in-place write that one of them had begun.
  static void RemoveLeftovers(const QString &target);

private:
  TStatus Fail(const QString &what) const;
  TStatus CommitInPlace();

  QString Target;
  QFile::Permissions Permissions;
  QFile Temporary;
  bool Committed = false;
};
