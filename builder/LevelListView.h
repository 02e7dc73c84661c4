#pragma once
// The builder's list of every level at a glance, each with a thumbnail of its picture. The last
// level is at the top, so that Up (which gives the current level the next number) moves it up
// the list and Down down; choosing a row selects that level as the arrows do.

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QSize>
#include <QString>

#include <functional>

class QListWidget;
class QWidget;
class TBuilderModel;

class TLevelListView {
  // Its texts are the builder window's.
  Q_DECLARE_TR_FUNCTIONS(TQuarryboxBuilderForm)

public:
  TLevelListView(QWidget *form, TBuilderModel &model);

  // A level was chosen in the list: the controls and the preview anew.
  std::function<void()> OnChange;

  // The rows anew from the model's levels, the current one selected.
  void Refresh();

private:
  static constexpr QSize ThumbnailSize{64, 48};
  struct TLevelPicture {
    QIcon Thumbnail;
    QSize Size; // upright; empty when the game could not use the picture
  };
  TLevelPicture LevelPicture(const QString &path);
  QString Caption(int level);
  void Chosen(int row);

  TBuilderModel &Model;
  QListWidget *List;
  // Each picture is read once while the builder is open.
  QHash<QString, TLevelPicture> Pictures;
};
