#include "builder/LevelListView.h"

#include "builder/BuilderModel.h"
#include "builder/PictureImport.h"
#include "gamefile/WorkingPictures.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

namespace {

// Row 0 is the last level, and back.
int RowOfLevel(const TBuilderLevels &levels, int level) { return levels.Count() - level; }

} // namespace

TLevelListView::TLevelListView(QWidget *form, TBuilderModel &model)
    : Model(model), List(new QListWidget(form)) {
  List->setObjectName("levelList");
  List->setGeometry(412, 10, 214, 226);
  List->setIconSize(ThumbnailSize);
  List->setToolTip(
      tr("Levels, the last at the top: choose one to edit it; drop pictures here to add them"));
  QObject::connect(List, &QListWidget::currentRowChanged, List, [this](int row) { Chosen(row); });
}

void TLevelListView::Refresh() {
  const TBuilderLevels &levels = Model.Levels();
  const QSignalBlocker quiet(List);
  List->clear();
  for (int level = levels.Count(); level >= 1; --level)
    List->addItem(
        new QListWidgetItem(LevelPicture(levels.All()[level - 1].Path).Thumbnail, Caption(level)));
  List->setCurrentRow(levels.Current() == 0 ? -1 : RowOfLevel(levels, levels.Current()));
}

void TLevelListView::Chosen(int row) {
  TBuilderLevels &levels = Model.Levels();
  if (row < 0 || RowOfLevel(levels, levels.Current()) == row)
    return;
  if (levels.Select(levels.Count() - row))
    OnChange();
}

TLevelListView::TLevelPicture TLevelListView::LevelPicture(const QString &path) {
  auto found = Pictures.constFind(path);
  if (found != Pictures.constEnd())
    return *found;
  // Decoded at thumbnail size, and within the game's limits: a phone photo is not decoded whole
  // for a 64 x 48 picture, and a hostile one is refused at once.
  QSize size;
  const QImage small = ReadPictureFitted(path, ThumbnailSize, nullptr, &size);
  QPixmap tile(ThumbnailSize);
  tile.fill(Qt::transparent);
  if (!small.isNull()) {
    QPainter p(&tile);
    p.drawImage((ThumbnailSize.width() - small.width()) / 2,
                (ThumbnailSize.height() - small.height()) / 2, small);
  }
  const TLevelPicture picture{QIcon(tile), size};
  Pictures.insert(path, picture);
  return picture;
}

QString TLevelListView::Caption(int level) {
  const QString &path = Model.Levels().All()[level - 1].Path;
  // A picture of a game file is known by a working name ("tpl2.jpg"), not the author's.
  if (!IsLevelWorkingPictureName(path))
    return QStringLiteral("%1. %2").arg(level).arg(QFileInfo(path).fileName());
  const QSize size = LevelPicture(path).Size;
  if (size.isEmpty())
    return tr("Level %1").arg(level);
  //: A level in the builder's list with its picture's width and height in pixels
  return tr("Level %1 (%2 x %3)").arg(level).arg(size.width()).arg(size.height());
}
