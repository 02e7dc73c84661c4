#include "builder/BuilderWidgetQuestions.h"

#include "dialogs/ConfirmDialog.h"
#include "dialogs/FileDialog.h"
#include "screen/Canvas.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace {

// Any picture Qt can read is offered; what a game cannot store is converted on adding.
QString PictureFilter() {
  return QCoreApplication::translate("TBuilderWidgetQuestions", "Images") +
         QStringLiteral(" (*.jpg *.jpeg *.bmp *.png *.webp *.gif *.tif *.tiff);;") +
         QCoreApplication::translate("TBuilderWidgetQuestions", "All files") +
         QStringLiteral(" (*)");
}

} // namespace

QString TBuilderWidgetQuestions::AskPicture(const QString &folder) {
  return FileDialog::AskOpenFile(
      Parent, QCoreApplication::translate("TBuilderWidgetQuestions", "Open Picture"), folder,
      PictureFilter());
}

QStringList TBuilderWidgetQuestions::AskPictures(const QString &folder) {
  return FileDialog::AskOpenFiles(
      Parent, QCoreApplication::translate("TBuilderWidgetQuestions", "Open Picture(s)"), folder,
      PictureFilter());
}

std::optional<quint32> TBuilderWidgetQuestions::AskColour(quint32 colour) {
  const QColor chosen = QColorDialog::getColor(QColor(WindowColour(colour)), Parent);
  if (!chosen.isValid())
    return std::nullopt;
  return quint32(chosen.red()) | quint32(chosen.green()) << 8 | quint32(chosen.blue()) << 16;
}

void TBuilderWidgetQuestions::ShowMessage(const QString &text) {
  TMessageDialog box(Host, Parent);
  box.ShowMessageBox(QString(), text, QString());
}

bool TBuilderWidgetQuestions::Confirm(const QString &caption, const QString &text) {
  TConfirmDialog box(Host, Parent);
  return box.ShowConfirmBox(caption, QString(), text, QString()) == TConfirmDialog::ResultOk;
}

void TBuilderWidgetQuestions::ShowReport(const QString &caption, const QString &text) {
  QMessageBox::warning(Parent, caption, text);
}

void TBuilderWidgetQuestions::OpenHelp(const QString &address) {
  QDesktopServices::openUrl(QUrl(address));
}
