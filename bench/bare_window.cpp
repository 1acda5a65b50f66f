// The floor of the desktop's stack, for bench/measure.sh: a bare Qt window the size of the game's,
// painted from an image as the game's canvas is. With --square it moves a 20x20 square by three
// pixels every display frame, the least a rally asks of the window, so its CPU is what any game
// on Qt's raster windows pays for moving a ball.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Bare : public QWidget {
  public:
    explicit Bare(bool square) : image_(480, 416, QImage::Format_RGB32) {
        image_.fill(Qt::darkGreen);
        setWindowTitle("Bare Qt window");
        setFixedSize(image_.size());
        if (square) {
            QObject::connect(&timer_, &QTimer::timeout, this, [this] { step(); });
            timer_.start(16);
        }
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        for (const QRect& r : event->region())
            p.drawImage(r.topLeft(), image_, r);
    }

  private:
    void step() {
        const QRect was(x_, 100, 20, 20);
        x_ = (x_ + 3) % (image_.width() - 20);
        const QRect now(x_, 100, 20, 20);
        QPainter p(&image_);
        p.fillRect(was, Qt::darkGreen);
        p.fillRect(now, Qt::yellow);
        update(was.united(now));
    }

    QImage image_;
    QTimer timer_;
    int x_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Bare window(app.arguments().contains("--square"));
    window.show();
    return app.exec();
}
