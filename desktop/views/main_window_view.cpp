#include "desktop/views/main_window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>

namespace views {

namespace {
// What lies around the game in full screen: black (painted, not a palette, which the menu bar
// inside would take over).
class Stage : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};
}  // namespace

MainWindowView::MainWindowView(GameInput& input)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      input_(input) {
    stage_ = new Stage(this);
    setCentralWidget(stage_);
    frame_ = new QWidget(stage_);
    menuStyle_ = new tkqt::MenuStyle;
    menuStyle_->setParent(this);
    canvas_ = new tkqt::FrameCanvas(frame_);
    canvas_->onFrameDue = [this] {
        const running::Game::FrameUpdate update = game().takeFrame(running::Window::Main);
        // Only the areas apart that changed, when the game names them.
        canvas_->present(update.frame,
                         update.areas.empty() ? std::span(&update.changed, 1) : update.areas);
    };
    canvas_->onClick = [this](QPoint press, QPoint release) {
        input_.act([&](running::Game& game) {
            game.click(running::Window::Main, press.x(), press.y(), release.x(), release.y());
        });
    };
    settings_ = new QMenu(this);
    settingsLink_ = std::make_unique<tkqt::MenuLink>(
        *settings_, [this](const std::string& name) { command(name); });
    settingsLink_->onMenuMade = [this](QMenu& menu) { hook(menu); };
    hook(*settings_);
    // While the menu bar is walked with the keys (Alt, F10), they are the bar's.
    keys_ = new KeyPath(
        input, [this] { return bar_ && bar_->activeAction(); }, this);
    watchFocus();
    mirror();
}

// Nothing of the window hands the game input once it is being taken apart.
MainWindowView::~MainWindowView() {
    disconnect(qApp, nullptr, this, nullptr);
    if (windowHandle())
        windowHandle()->disconnect(this);
}

void MainWindowView::command(const std::string& name) {
    input_.act([&](running::Game& game) { game.command(name); });
}

tkqt::MenuLink& MainWindowView::menus() {
    makeBar();
    return *menus_;
}

// Made when the game first shows it, not for the splash: Qt's bar loads the icon theme and the
// picture formats for its button of menus that do not fit. Hidden until laid out.
QMenuBar& MainWindowView::makeBar() {
    if (bar_)
        return *bar_;
    bar_ = new QMenuBar(frame_);
    bar_->hide();
    bar_->setStyle(menuStyle_);
    menus_ =
        std::make_unique<tkqt::MenuLink>(*bar_, [this](const std::string& name) { command(name); });
    menus_->onMenuMade = [this](QMenu& menu) { hook(menu); };
    menus_->sync(game().menuBar());
    return *bar_;
}

// A menu opening takes the keys: whatever was held is let go first.
void MainWindowView::hook(QMenu& menu) {
    menu.setStyle(menuStyle_);
    if (menuZoom_ > 0)
        zoomMenus(menu);
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        input_.act([](running::Game& game) { game.focusLost(false); });
        settingsLink_->sync(game().settingsMenu());
    });
}

void MainWindowView::mirror() {
    const QString title = QString::fromStdString(game().title(running::Window::Main));
    if (windowTitle() != title)
        setWindowTitle(title);
    if (menus_)
        menus_->sync(game().menuBar());
    settingsLink_->sync(game().settingsMenu());
    const int zoom = game().zoom();
    if (zoom != zoom_ || gameSize() != laidOut_)
        resizeInPlace(zoom_ != 0 && zoom != zoom_);
}

// F10 does what Alt does: the menu bar takes the keys, its first menu marked, none open yet.
// The bar learns it the way it learns of Alt, from the window's key events, which the key path
// keeps from it otherwise.
void MainWindowView::openMenuBar() {
    if (!bar_ || !bar_->isVisible() || bar_->activeAction())
        return;
    // An Alt key's event reports Alt as changed by the key: none held before it goes down.
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(frame_, &altDown);
    QCoreApplication::sendEvent(frame_, &altUp);
}

// The game's own clicks are left clicks: the right button takes nothing from it.
void MainWindowView::contextMenuEvent(QContextMenuEvent* event) {
    openSettings(event->globalPos());
}

void MainWindowView::openSettings(std::optional<QPoint> at) {
    settingsLink_->sync(game().settingsMenu());
    zoomMenus(*settings_);
    settings_->popup(at.value_or(mapToGlobal(frame_->geometry().center())));
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program.
    event->accept();
    QApplication::quit();
}

}  // namespace views
