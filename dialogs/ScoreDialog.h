#pragma once
// The score table window: the ten best scores of the open game, read-only when opened from the
// menu, or with one row open for the player's name after a game that made the table.

#include "dialogs/DialogHost.h"
#include "gamefile/GameData.h"

#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class TScoreDialog : public TDialogForm {
  Q_OBJECT

public:
  static constexpr int RowCount = 10;
  static constexpr int ViewOnly = 11; // the entry row that opens no name for typing

  explicit TScoreDialog(TDialogHost &host, QWidget *parent = nullptr);

  // What the next opening shows: the table, and the row (1 to 10) whose name may be typed, or
  // ViewOnly.
  void SetTable(const TScoreTable &table) { Table = table; }
  void SetEntryRow(int row) { EntryRow = row; }

  // The Score menu command: every row read-only, with the chime.
  void ShowTable(const TScoreTable &table);
  // Game over: the player types the name of `row`; then every row's name, as the window shows
  // it, goes back into the table.
  void EnterName(TScoreTable &table, int row);

  // Each row's name as shown, blanks as spaces.
  QStringList Names() const;

protected:
  void FormShow() override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;

private:
  bool NameOpen() const { return EntryRow >= 1 && EntryRow <= RowCount; }
  // The notice above the rows and the colour of the entry row, or neither when no name is typed.
  void ShowNewScore();

  TScoreTable Table = TGameData::DefaultScores();
  int EntryRow = ViewOnly;
  std::array<QLineEdit *, RowCount> RankEdits{};  // rankEdit1..rankEdit10
  std::array<QLineEdit *, RowCount> NameEdits{};  // nameEdit1..nameEdit10
  std::array<QLineEdit *, RowCount> ScoreEdits{}; // scoreEdit1..scoreEdit10
  QPushButton *CloseButton;
  QLabel *NewScoreLabel;
  QWidget *Rows; // the rows and the button, below the notice when there is one
};
