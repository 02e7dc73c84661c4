#include "app/GamesGalleryDialog.h"

#include "app/GameThumbnail.h"
#include "app/GamesGalleryModel.h"
#include "gamefile/ScoreStore.h"

#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

TGamesGalleryDialog::TGamesGalleryDialog(const TGalleryFolders &folders, QWidget *parent)
    : QDialog(parent) {
  setObjectName("GamesGallery");
  setWindowTitle("Games");
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
  QPushButton *open = buttons->addButton("&Open", QDialogButtonBox::AcceptRole);
  QPushButton *close = buttons->addButton("Close", QDialogButtonBox::RejectRole);
  // Enter belongs to the list, which opens the game it is on: no button takes it as well.
  for (QPushButton *button : {open, close})
    button->setAutoDefault(false);
  connect(open, &QPushButton::clicked, this, [this] { Choose(List->currentIndex()); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(List);
  layout->addWidget(buttons);
  resize(4 * List->gridSize().width() + 48, 2 * List->gridSize().height() + 80);
  List->setFocus();
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
