#include "app/FileTypeRegistration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Writes only when the bytes differ, so a start with nothing new touches nothing.
bool WriteIfChanged(const QString &path, const QByteArray &bytes) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
    return false;
  existing.close();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return false;
  return file.write(bytes) == bytes.size();
}

QByteArray Resource(const QString &name) {
  QFile file(":/xdg/" + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped entry, with this program's path in the open command. TryExec names the command
// of an installed program only.
QByteArray DesktopEntry(const QString &programPath) {
  QStringList lines;
  for (const QString &line : QString::fromUtf8(Resource("quarrybox.desktop")).split('\n')) {
    if (line.startsWith("TryExec="))
      continue;
    lines << (line.startsWith("Exec=") ? "Exec=" + DesktopExecArgument(programPath) + " %f" : line);
  }
  return lines.join('\n').toUtf8();
}

// The icons of the program folder, size by size, into the user's hicolor theme.
void CopyIcons(const QString &programFolder, const QString &iconHome) {
  const QDir source(programFolder + "icons/hicolor");
  // Picked by hand rather than by a name filter, which would load Qt's regular expressions.
  QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    if (!file.endsWith(QLatin1String(".png")))
      continue;
    QFile icon(file);
    if (icon.open(QIODevice::ReadOnly))
      WriteIfChanged(iconHome + '/' + source.relativeFilePath(file), icon.readAll());
  }
}

void RunIfPresent(const QString &tool, const QString &folder) {
  if (!QStandardPaths::findExecutable(tool).isEmpty())
    QProcess::startDetached(tool, {folder});
}

} // namespace

QString DesktopExecArgument(const QString &path) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#`()");
  QString argument = path;
  argument.replace('%', "%%");
  if (std::none_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); }))
    return argument;
  QString quoted = "\"";
  for (QChar c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\')
      quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  // The entry's value is a string, whose own escaping is undone before the quoting.
  return quoted.replace("\\", "\\\\");
}

void RegisterGameFileType(const QString &dataHome, const QString &programPath,
                          const QString &programFolder) {
  if (dataHome.isEmpty())
    return;
  const QString mimeFolder = dataHome + "/mime";
  const QString appFolder = dataHome + "/applications";
  CopyIcons(programFolder, dataHome + "/icons/hicolor");
  if (WriteIfChanged(mimeFolder + "/packages/quarrybox-qbx.xml", Resource("quarrybox.xml")))
    RunIfPresent("update-mime-database", mimeFolder);
  if (WriteIfChanged(appFolder + "/quarrybox.desktop", DesktopEntry(programPath)))
    RunIfPresent("update-desktop-database", appFolder);
}
