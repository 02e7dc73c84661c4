#pragma once
// The folder assetgen writes into. Every file is written whole or reported: a failed write
// (missing folder, full disk, encoder refusal) is collected as a message and never leaves a
// half-written file under the final name.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class TAssetFolder {
public:
  explicit TAssetFolder(const QString &path);

  // Creates the folder when missing; false (with a message) when it cannot.
  bool Prepare();

  // Encodes with Qt's writer for the format named by the file's extension ("png", "jpg", "bmp").
  // quality applies to JPEG only.
  void SaveImage(const QString &name, const QImage &image, int quality = 92);
  void SaveBytes(const QString &name, const QByteArray &bytes);

  // Records a failure found by a painter or encoder.
  void Report(const QString &failure) { Failures << failure; }

  const QStringList &Errors() const { return Failures; }
  QString FilePath(const QString &name) const;

private:
  QString Path;
  QStringList Failures;
};
