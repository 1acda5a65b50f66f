#include "desktop/views/dialog_view.h"

#include <QWindow>

namespace views {

DialogView::DialogView(GameInput& input, running::Window window, KeyPath& keys, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      input_(input),
      window_(window),
      keys_(keys) {
    setWindowModality(Qt::WindowModal);
    canvas_ = new tkqt::FrameCanvas(this);
    canvas_->onFrameDue = [this] {
        const running::Game::FrameUpdate update = input_.game().takeFrame(window_);
        // Only the areas apart that changed, when the game names them.
        canvas_->present(update.frame,
                         update.areas.empty() ? std::span(&update.changed, 1) : update.areas);
    };
    canvas_->onClick = [this](QPoint press, QPoint release) {
        input_.act([&](running::Game& game) {
            game.click(window_, press.x(), press.y(), release.x(), release.y());
        });
    };
    mirror();
}

void DialogView::mirror() {
    running::Game& game = input_.game();
    const QString title = QString::fromStdString(game.title(window_));
    if (windowTitle() != title)
        setWindowTitle(title);
    const int zoom = std::max(1, game.zoom());
    const tk::Rect client = game.clientArea(window_);
    const QSize size = QSize(client.width, client.height) * zoom;
    canvas_->setZoom(zoom);
    if (canvas_->size() != size) {
        canvas_->setGeometry(QRect(QPoint(0, 0), size));
        canvas_->setFixedSize(size);
        setFixedSize(size);
    }
}

void DialogView::open(const QRect& over) {
    // Centred on the main window, whatever the window manager would choose.
    QRect place(QPoint(0, 0), size());
    place.moveCenter(over.center());
    move(place.topLeft());
    show();
}

// Without a window manager a new window gets no keys until it is activated.
void DialogView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (windowHandle())
        keys_.watch(*windowHandle());
    raise();
    activateWindow();
}

}  // namespace views
