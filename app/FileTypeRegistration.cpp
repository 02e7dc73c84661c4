#include "app/FileTypeRegistration.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr char MimeType[] = "application/x-quarrybox-game";

// Writes only when the text differs, so a start with nothing new touches nothing.
bool WriteIfChanged(const QString &path, const QByteArray &text) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
    return false;
  existing.close();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return false;
  return file.write(text) == text.size();
}

void RunIfPresent(const QString &tool, const QString &folder) {
  if (!QStandardPaths::findExecutable(tool).isEmpty())
    QProcess::startDetached(tool, {folder});
}

} // namespace

void RegisterGameFileType(const QString &dataHome, const QString &programPath,
                          const QString &programFolder) {
  if (dataHome.isEmpty())
    return;
  const QByteArray mime = QStringLiteral(
                              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                              "  <mime-type type=\"%1\">\n"
                              "    <comment>Zanpek Quarrybox Game</comment>\n"
                              "    <icon name=\"quarrybox\"/>\n"
                              "    <glob pattern=\"*.qbx\"/>\n"
                              "  </mime-type>\n"
                              "</mime-info>\n")
                              .arg(MimeType)
                              .toUtf8();
  const QByteArray desktop = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Quarrybox\n"
                                            "Comment=Falling blocks that uncover pictures\n"
                                            "Exec=\"%1\" %f\n"
                                            "Icon=%2quarrybox.png\n"
                                            "MimeType=%3;\n"
                                            "Categories=Game;BlocksGame;\n"
                                            "Terminal=false\n")
                                 .arg(programPath, programFolder, MimeType)
                                 .toUtf8();
  const QString mimeFolder = dataHome + "/mime";
  const QString appFolder = dataHome + "/applications";
  if (WriteIfChanged(mimeFolder + "/packages/quarrybox-qbx.xml", mime))
    RunIfPresent("update-mime-database", mimeFolder);
  if (WriteIfChanged(appFolder + "/quarrybox.desktop", desktop))
    RunIfPresent("update-desktop-database", appFolder);
}
