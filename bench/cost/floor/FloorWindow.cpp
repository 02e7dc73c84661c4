// The toolkit's floor for the game's running costs: a Qt Widgets main window with a menu bar
// like the game's and a 600 x 400 picture, nothing else. It takes the keys it is sent and does
// nothing with them. bench/cost/measure.sh runs it beside the game.
//
// With QB_FLOOR_SLIDES=1 in its environment it also makes the screen changes the game makes for
// the same keys, the least any program drawing the game's animation with this toolkit pays: a
// three-block piece in a 198 x 360 well slides one square in 5 frames of 16 ms for Left and
// Right and once a second downwards, is redrawn turned for Up and dropped for Space; each frame
// repaints only what changed, at once, and no timer runs while nothing slides.
//
// Usage: qb_floor [PICTURE]  (a picture file shown at 600 x 400; a gradient without one)

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include <functional>

namespace {

constexpr QSize PictureSize{600, 400};
constexpr QRect WellRect(320, 20, 198, 360);
constexpr int Square = 20, SlideStep = 4, SlideFrames = 5, FallMs = 1000, FrameMs = 16;

// The piece as three squares in a row or a column, sliding by whole squares.
class TSlidingWell : public QWidget {
public:
  TSlidingWell(const QImage &background, QWidget *parent)
      : QWidget(parent), Background(background.copy(WellRect)) {
    setGeometry(WellRect);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Frame.setTimerType(Qt::PreciseTimer);
    Frame.setInterval(FrameMs);
    QObject::connect(&Frame, &QTimer::timeout, this, [this] { Step(); });
    Fall.setTimerType(Qt::PreciseTimer);
    QObject::connect(&Fall, &QTimer::timeout, this, [this] { Slide(QPoint(0, 1)); });
    Fall.start(FallMs);
  }

  void Key(int key) {
    if (key == Qt::Key_Left || key == Qt::Key_Right)
      Slide(QPoint(key == Qt::Key_Left ? -1 : 1, 0));
    else if (key == Qt::Key_Up)
      Show([this] { Upright = !Upright; });
    else if (key == Qt::Key_Space)
      Show([this] { Corner = QPoint(Corner.x(), 0); }); // landed; the next piece at the top
  }

protected:
  void paintEvent(QPaintEvent *event) override {
    QPainter p(this);
    p.drawImage(event->rect(), Background, event->rect());
    p.fillRect(Piece(), QColor(200, 60, 60));
  }

private:
  QRect Piece() const {
    const QSize size = Upright ? QSize(Square, 3 * Square) : QSize(3 * Square, Square);
    return QRect(Corner + Offset, size);
  }
  void Show(const std::function<void()> &change) {
    const QRect before = Piece();
    change();
    repaint(before | Piece());
  }
  void Slide(QPoint direction) {
    if (Frames > 0)
      return; // one slide at a time, as the game's piece
    const QRect room = rect().adjusted(0, 0, 0, -Square);
    if (!room.contains(Piece().translated(direction * Square)))
      direction = QPoint(0, -(Corner.y() / Square)); // at the side: back to the top instead
    Direction = direction;
    Frames = SlideFrames;
    Frame.start();
  }
  void Step() {
    Show([this] {
      Offset += Direction * SlideStep;
      if (--Frames == 0) {
        Corner += Offset;
        Offset = QPoint();
      }
    });
    if (Frames == 0)
      Frame.stop();
  }

  QImage Background;
  QTimer Frame, Fall;
  QPoint Corner{80, 0}, Offset, Direction;
  bool Upright = false;
  int Frames = 0;
};

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
  TFloorWindow(const QImage &picture, bool slides) {
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
    auto *view = new TPictureView(picture);
    setCentralWidget(view);
    setFocusPolicy(Qt::StrongFocus);
    if (slides)
      Well = new TSlidingWell(picture, view);
  }

protected:
  void keyPressEvent(QKeyEvent *event) override {
    event->accept();
    if (Well && !event->isAutoRepeat())
      Well->Key(event->key());
  }
  void keyReleaseEvent(QKeyEvent *event) override { event->accept(); }

private:
  TSlidingWell *Well = nullptr;
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
  const bool slides = qEnvironmentVariableIntValue("QB_FLOOR_SLIDES") == 1;
  // Small repaints go to the X server cheapest over the socket: with shared memory Qt waits
  // for the server to finish reading before it paints there again.
  if (slides && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    qputenv("QT_XCB_NO_MITSHM", "1");
  QApplication app(argc, argv);
  QImage picture = argc > 1 ? QImage(QString::fromLocal8Bit(argv[1])) : Gradient();
  if (picture.isNull())
    picture = Gradient();
  TFloorWindow window(picture.scaled(PictureSize).convertToFormat(QImage::Format_RGB32), slides);
  window.show();
  return app.exec();
}
