// The toolkit's floor for the game's running costs: a Qt Widgets main window with a menu bar
// like the game's and a 600 x 400 picture, nothing else. It takes the keys it is sent and does
// nothing with them. bench/cost/measure.sh runs it beside the game.
//
// Usage: qb_floor [PICTURE]  (a picture file shown at 600 x 400; a gradient without one)

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

namespace {

constexpr QSize PictureSize{600, 400};

class TPictureView : public QWidget {
public:
  explicit TPictureView(QImage picture) : Picture(std::move(picture)) {
    setFixedSize(PictureSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

protected:
  void paintEvent(QPaintEvent *event) override {
    QPainter(this).drawImage(event->rect(), Picture, event->rect());
  }

private:
  QImage Picture;
};

class TFloorWindow : public QMainWindow {
public:
  explicit TFloorWindow(const QImage &picture) {
    setWindowTitle("Quarrybox floor");
    const char *menus[][4] = {{"&File", "&Open Game", "&Save Game", "E&xit"},
                              {"&Game", "&Start Game", "&Pause Game", "Stop &Game"},
                              {"&Options", "&Sound On", "Si&ze", "&Preferences"},
                              {"&Help", "Help &Topic", "&About", nullptr}};
    for (const auto &items : menus) {
      QMenu *menu = menuBar()->addMenu(items[0]);
      for (int i = 1; i < 4 && items[i]; ++i)
        menu->addAction(items[i]);
    }
    setCentralWidget(new TPictureView(picture));
    setFocusPolicy(Qt::StrongFocus);
  }

protected:
  void keyPressEvent(QKeyEvent *event) override { event->accept(); }
  void keyReleaseEvent(QKeyEvent *event) override { event->accept(); }
};

QImage Gradient() {
  QImage image(PictureSize, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb(x * 255 / image.width(), y * 255 / image.height(), 96));
  return image;
}

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QImage picture = argc > 1 ? QImage(QString::fromLocal8Bit(argv[1])) : Gradient();
  if (picture.isNull())
    picture = Gradient();
  TFloorWindow window(picture.scaled(PictureSize).convertToFormat(QImage::Format_RGB32));
  window.show();
  return app.exec();
}
