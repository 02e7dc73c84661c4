// The windows in every language the program carries (and in English): no text is cut, no two
// controls overlap, and no dialog is wider than the main window.
#include "app/AboutForm.h"
#include "app/Translations.h"
#include "app/VisitSiteForm.h"
#include "app/WindowPictureView.h"
#include "builder/BuilderForm.h"
#include "builder/BuilderWidgetQuestions.h"
#include "dialogs/ConfirmDialog.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "dialogs/ScoreDialog.h"
#include "gamefile/GameData.h"
#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"
#include "tests/support/QtPrinters.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

struct TQuietHost : TDialogHost {
  void SetSuspended(bool) override {}
  void PlaySound(const QString &) override {}
};

QString Shown(QString text) { return text.remove('&'); }

// The width a control needs to show all of its text on one line.
int NeededWidth(const QWidget *w) {
  if (auto *button = qobject_cast<const QPushButton *>(w))
    return button->fontMetrics().horizontalAdvance(Shown(button->text())) + 8;
  if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
    return w->sizeHint().width();
  if (auto *group = qobject_cast<const QGroupBox *>(w))
    return group->fontMetrics().horizontalAdvance(group->title()) + 16;
  if (auto *label = qobject_cast<const QLabel *>(w))
    return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
  return 0;
}

bool HasText(const QWidget *w) {
  return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QGroupBox *>(w) ||
         (qobject_cast<const QLabel *>(w) && !static_cast<const QLabel *>(w)->text().isEmpty());
}

// What a window manager's title bar takes besides the caption: an icon and three buttons, as
// openbox draws them on every dialog. Under openbox "Meilleurs scores" was cut on the 186-px
// score table and "Score Table" was not; this width tells the two apart.
constexpr int TitleBarButtonsWidth = 110;

// maxWidth: the main window's width for its dialogs.
void ExpectFits(const QWidget &form, const QString &language, int maxWidth) {
  const QString where = language.isEmpty() ? QStringLiteral("en") : language;
  EXPECT_LE(form.width(), maxWidth)
      << qPrintable(where) << ": " << qPrintable(form.objectName()) << " is wider than the game";
  QFont titleFont = form.font();
  titleFont.setBold(true);
  EXPECT_LE(QFontMetrics(titleFont).horizontalAdvance(form.windowTitle()),
            form.width() - TitleBarButtonsWidth)
      << qPrintable(where) << ": the caption \"" << qPrintable(form.windowTitle())
      << "\" is cut in a title bar";
  const QList<QWidget *> all = form.findChildren<QWidget *>();
  for (const QWidget *w : all) {
    if (!w->isVisibleTo(&form) || !HasText(w))
      continue;
    const QString name = where + ": " + form.objectName() + '/' + w->objectName();
    EXPECT_GE(w->width(), NeededWidth(w)) << qPrintable(name) << " cuts its text";
    if (auto *label = qobject_cast<const QLabel *>(w); label && label->wordWrap()) {
      EXPECT_GE(w->height(), label->heightForWidth(w->width())) << qPrintable(name);
    }
    EXPECT_LE(w->geometry().right(), w->parentWidget()->width() - 1)
        << qPrintable(name) << " runs past its parent";
    for (const QWidget *other : all) {
      if (other != w && other->parentWidget() == w->parentWidget() && other->isVisibleTo(&form) &&
          HasText(other)) {
        EXPECT_FALSE(w->geometry().intersects(other->geometry()))
            << qPrintable(name) << " overlaps " << qPrintable(other->objectName());
      }
    }
  }
}

class TranslatedLayoutTest : public ::testing::TestWithParam<QString> {
protected:
  void SetUp() override {
    if (!GetParam().isEmpty()) {
      ASSERT_TRUE(Translations::LoadGame(Translator, GetParam()));
      QCoreApplication::installTranslator(&Translator);
    }
  }
  void TearDown() override { QCoreApplication::removeTranslator(&Translator); }
  void Check(QWidget &form) {
    form.show();
    ExpectFits(form, GetParam(), TWindowPictureView::PictureSize.width());
    form.hide();
  }

  QTranslator Translator;
  TQuietHost Host;
  QTemporaryDir Dir;
};

} // namespace

TEST_P(TranslatedLayoutTest, DialogsShowTheirTextsWhole) {
  TSettingsStore settings(Dir.filePath("Quarrybox.conf"));
  TPlayPreferences preferences;
  TPreferencesDialog prefs(Host, preferences, settings);
  Check(prefs);
  TKeysDialog keys(Host, TKeyBindings::Defaults());
  Check(keys);
  TScoreDialog scores(Host);
  Check(scores);
  TScoreTable table = TGameData::DefaultScores();
  table[0].Score = 123456789; // the notice of a name entry, with the widest score
  scores.SetTable(table);
  scores.SetEntryRow(1);
  Check(scores);
  TAboutForm about(Host);
  Check(about);
  TVisitSiteForm visit(Host);
  Check(visit);
}

// The game's boxes, with two of its messages, checked while they are open.
TEST_P(TranslatedLayoutTest, MessageBoxesShowTheirTextsWhole) {
  const auto game = [](const char *text) { return QCoreApplication::translate("TGame", text); };
  TConfirmDialog confirm(Host);
  QTimer::singleShot(0, &confirm, [&] {
    ExpectFits(confirm, GetParam(), TWindowPictureView::PictureSize.width());
    confirm.close();
  });
  confirm.ShowConfirmBox(game("Confirm Stop Game"), "", game("Really Stop Current Game?!"), "");
  TMessageDialog message(Host);
  QTimer::singleShot(0, &message, [&] {
    ExpectFits(message, GetParam(), TWindowPictureView::PictureSize.width());
    message.close();
  });
  message.ShowMessageBox("", game("Make EXE uses the saved game file: open or save a game first."),
                         "");
}

TEST_P(TranslatedLayoutTest, TheBuilderShowsItsTextsWhole) {
  TSettingsStore settings(Dir.filePath("Quarrybox.conf"));
  TGameData game;
  QImage picture(TWindowPictureView::PictureSize, QImage::Format_RGB32);
  TBuilderWidgetQuestions questions(Host, nullptr);
  TQuarryboxBuilderForm builder(Host, game, settings, questions, picture, Dir.path() + '/',
                                Dir.filePath("added"));
  const int designed = builder.width(); // the builder opens beside the main window, at its size
  builder.show();
  ExpectFits(builder, GetParam(), designed);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayoutTest,
                         ::testing::Values("", "cs", "de", "es", "fr", "it", "ja", "ko", "nl", "pl",
                                           "pt_BR", "ru", "sv", "tr", "uk", "zh_CN"),
                         [](const auto &row) {
                           return row.param.isEmpty() ? std::string("en") : row.param.toStdString();
                         });
