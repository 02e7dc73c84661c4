// A stand-in for a file manager in the end-to-end scripts: a small window that drags the files
// named on its command line, as file URLs, from the moment a mouse button is pressed on it.
#include <QApplication>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace {

class TDragSource : public QLabel {
public:
  explicit TDragSource(QList<QUrl> urls) : QLabel("Drag these files"), Urls(std::move(urls)) {
    setWindowTitle("Drag Source");
    setAlignment(Qt::AlignCenter);
    resize(200, 100);
  }

protected:
  void mousePressEvent(QMouseEvent *) override {
    auto *mime = new QMimeData;
    mime->setUrls(Urls);
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
  }

private:
  QList<QUrl> Urls;
};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QList<QUrl> urls;
  for (const QString &file : app.arguments().mid(1))
    urls << QUrl::fromLocalFile(file);
  TDragSource source(urls);
  source.move(0, 0);
  source.show();
  return app.exec();
}
