#include "dialogs/FileDialog.h"

#include <QFileDialog>

#include <algorithm>

namespace {

QStringList Ask(QFileDialog &dialog, QWidget *parent) {
  if (parent) {
    const QSize own = dialog.sizeHint();
    const int width = std::max(std::min(own.width(), parent->window()->width()),
                               dialog.minimumSizeHint().width());
    dialog.resize(width, own.height());
  }
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

} // namespace

QString FileDialog::AskOpenFile(QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter) {
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Ask(dialog, parent).value(0);
}

QStringList FileDialog::AskOpenFiles(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter) {
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  return Ask(dialog, parent);
}

QString FileDialog::AskSaveFile(QWidget *parent, const QString &caption, const QString &path,
                                const QString &filter) {
  QFileDialog dialog(parent, caption, path, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  return Ask(dialog, parent).value(0);
}
