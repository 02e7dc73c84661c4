#pragma once
// The Levels group: adding, inserting and deleting levels, the help page, moving the current
// level and stepping through the levels, the line telling the current level (with a link that
// hides its picture from the preview), the number of levels and the current level's grid bar.
// Its controls act only while the playing skin is shown.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QGroupBox;
class QLabel;
class QSlider;
class QWidget;
class TBuilderLevels;
class TBuilderModel;
class TBuilderQuestions;
class TPictureIntake;

class TLevelControls {
  // Its texts are the builder window's.
  Q_DECLARE_TR_FUNCTIONS(TQuarryboxBuilderForm)

public:
  TLevelControls(QGroupBox *group, TBuilderModel &model, TPictureIntake &intake,
                 TBuilderQuestions &questions, QString helpAddress);

  // The levels or their showing changed: the controls and the preview anew.
  std::function<void()> OnChange;

  // Levels from picture files, added after the last level or inserted after the current one.
  void Add(const QStringList &files, bool insert);
  // The controls as the model stands.
  void Refresh();

private:
  void Build(QGroupBox *group);
  void Ask(bool insert);
  void DeleteCurrent();
  // Runs a step that needs a level, or says there is none.
  void WithLevels(bool (TBuilderLevels::*step)());
  void GridChanged(int value);
  void TogglePicture();

  TBuilderModel &Model;
  TPictureIntake &Intake;
  TBuilderQuestions &Questions;
  QString HelpAddress;
  QList<QWidget *> Enabled;        // enabled with the playing skin
  QLabel *PictureToggle = nullptr; // "now visible" / "now hidden"
  QLabel *HeadingEnd = nullptr;    // ") :" after the toggle
  QLabel *CurrentLevel = nullptr;
  QLabel *LevelCount = nullptr;
  QSlider *Grid = nullptr;
};
