#include "app/GamesGalleryDialog.h"

#include "app/GameThumbnail.h"
#include "app/GamesGalleryModel.h"
#include "app/WindowPlacement.h"
#include "gamefile/ScoreStore.h"

#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <algorithm>

TGamesGalleryDialog::TGamesGalleryDialog(const TGalleryFolders &folders, QWidget *parent)
    : QDialog(parent) {
  setObjectName("GamesGallery");
  setWindowTitle(QCoreApplication::translate("TGamesGalleryDialog", "Games"));
  setAttribute(Qt::WA_DeleteOnClose);
  Games =
      new TGamesGalleryModel(folders, TScoreStore::DefaultFolder(), DefaultThumbnailFolder(), this);
  List = new QListView(this);
  List->setObjectName("GamesList");
  List->setViewMode(QListView::IconMode);
  List->setMovement(QListView::Static);
  List->setResizeMode(QListView::Adjust);
  List->setWrapping(true);
  List->setWordWrap(true);
  List->setUniformItemSizes(true);
  List->setIconSize(TGamesGalleryModel::ThumbnailSize);
  List->setGridSize(TGamesGalleryModel::ThumbnailSize + QSize(36, 72));
  List->setSelectionMode(QAbstractItemView::SingleSelection);
  List->setModel(Games);
  if (Games->rowCount() > 0)
    List->setCurrentIndex(Games->index(0));
  // Enter and a double-click both activate.
  connect(List, &QListView::activated, this, [this](const QModelIndex &index) { Choose(index); });

  auto *buttons = new QDialogButtonBox(this);
  QPushButton *open = buttons->addButton(
      QCoreApplication::translate("TGamesGalleryDialog", "&Open"), QDialogButtonBox::AcceptRole);
  QPushButton *close = buttons->addButton(
      QCoreApplication::translate("TGamesGalleryDialog", "Close"), QDialogButtonBox::RejectRole);
  // Enter belongs to the list, which opens the game it is on: no button takes it as well.
  for (QPushButton *button : {open, close})
    button->setAutoDefault(false);
  connect(open, &QPushButton::clicked, this, [this] { Choose(List->currentIndex()); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(List);
  layout->addWidget(buttons);
  // Up to four games a row and two rows in sight; more rows scroll.
  const int count = std::max(1, Games->rowCount()), columns = std::min(4, count);
  const int rows = std::min(2, (count + columns - 1) / columns);
  resize(columns * List->gridSize().width() + 48, rows * List->gridSize().height() + 80);
  List->setFocus();
}

void TGamesGalleryDialog::PlaceBeside(const QRect &windowFrame) {
  const QScreen *on = screen();
  if (!on)
    return;
  const QRect room = on->availableGeometry();
  const QSize outer = size() + QSize(TypicalFrame.left() + TypicalFrame.right(),
                                     TypicalFrame.top() + TypicalFrame.bottom());
  const int top =
      std::max(room.top(), std::min(windowFrame.top(), room.bottom() + 1 - outer.height()));
  for (const QPoint at :
       {QPoint(windowFrame.right() + 1, top), QPoint(windowFrame.left() - outer.width(), top),
        QPoint(windowFrame.left(), windowFrame.bottom() + 1)})
    if (room.contains(QRect(at, outer))) {
      move(at);
      return;
    }
}

void TGamesGalleryDialog::Choose(const QModelIndex &index) {
  if (!index.isValid())
    return;
  const QString path = index.data(TGamesGalleryModel::PathRole).toString();
  const auto chosen = OnChosen;
  accept();
  if (chosen)
    chosen(path);
}
