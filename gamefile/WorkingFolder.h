#pragma once
// The private folder of one running program for its working picture files:
// <base>/quarrybox/<process id>/, readable by the user alone. The program folder may be
// read-only (installed, or shared by several users), and a fixed name in a shared folder would
// let two users or two processes overwrite each other's copies. Where no such folder can be
// made in base (no runtime folder and a read-only home), it is one of a unique name in the
// temporary folder, quarrybox-<process id>-XXXXXX, as the stand-alone launcher makes its own.
// The folder goes when its owner closes or a signal ends it; one left behind by a killed
// process is removed by the next start.

#include <QString>

class TWorkingFolder {
public:
  // $XDG_RUNTIME_DIR when set (memory-backed, private, emptied at logout), else the user's
  // cache folder.
  static QString DefaultBase();

  // Removes the folders of processes that no longer run, then makes this process's folder;
  // temporaryBase is where it goes when base will not have it.
  TWorkingFolder(const QString &base, qint64 processId, const QString &temporaryBase);
  TWorkingFolder(const QString &base, qint64 processId);
  ~TWorkingFolder();
  TWorkingFolder(const TWorkingFolder &) = delete;
  TWorkingFolder &operator=(const TWorkingFolder &) = delete;

  // With a trailing '/'. Named even when it could not be made, so that a failed copy into it
  // is reported with the place it was meant for.
  const QString &Path() const { return FolderPath; }

  // Removes the folder now (the program is closing); the destructor has nothing left to do.
  void Remove();

private:
  QString FolderPath;
};
