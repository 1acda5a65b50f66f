#include "views/main_window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "screens/window_scenes.h"
#include "toolkit/qt/key_codes.h"
#include "views/dialog_frame.h"
#include "views/session_recorder.h"

namespace views {

namespace {
constexpr int kClientWidthPx = static_cast<int>(game::kClientWidth / tk::kTwipsPerPixel);
constexpr int kMaxZoom = 4;

bool contains(const std::vector<int>& keys, int key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void erase(std::vector<int>& keys, int key) {
    keys.erase(std::remove(keys.begin(), keys.end(), key), keys.end());
}

// What lies around the game in full screen: black (painted, not a palette, which the menu bar
// inside would take over).
class Stage : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};
}  // namespace

int MainWindowView::zoomForScreenHeight(int availableHeight) {
    const int startHeight = tk::pixels(game::kClientHeight);
    int zoom = 1;
    while (zoom < kMaxZoom && (zoom + 1) * startHeight * 10 <= availableHeight * 7)
        ++zoom;
    return zoom;
}

MainWindowView::MainWindowView(flow::MainWindow& model, const tk::Renderer& renderer,
                               const Preferences& preferences, PreferenceStore* store)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      model_(model),
      store_(store),
      innerHeightTwips_(game::kClientHeight),
      fullScreen_(preferences.fullScreen),
      autoPause_(preferences.autoPause) {
    setWindowTitle(QString::fromStdString(model.Caption));
    if (preferences.zoom >= 1 && preferences.zoom <= kMaxZoom)
        zoom_ = preferences.zoom;
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        zoom_ = zoomForScreenHeight(screen->availableGeometry().height());
    setProperty(kZoomProperty, zoom_);

    stage_ = new Stage(this);
    setCentralWidget(stage_);
    frame_ = new QWidget(stage_);
    bar_ = new QMenuBar(frame_);
    canvas_ = new tkqt::FrameCanvas(
        renderer, [this] { return screens::mainWindowScene(model_); }, frame_);
    canvas_->onClick = [this](const tk::Control* control) { clicked(control); };

    using Node = tkqt::MenuNode;
    auto command = [this](Handler handler) { return [this, handler] { run(handler); }; };
    const std::vector<Node> tree = {
        {&model.menu(10),
         {},
         {{&model.dif(10),
           {},
           {{&model.easy, command(&flow::MainWindow::easy_Click), {}},
            {&model.med, command(&flow::MainWindow::med_Click), {}},
            {&model.hard, command(&flow::MainWindow::hard_Click), {}}}},
          {&model.exit, command(&flow::MainWindow::exit_Click), {}}}},
        {&model.info(15),
         {},
         {{&model.hra, command(&flow::MainWindow::hra_Click), {}},
          {&model.about, command(&flow::MainWindow::about_Click), {}}}},
    };
    menus_ = std::make_unique<tkqt::MenuLink>(*bar_, *this, tree);
    // A menu opening takes the keys: whatever was held is let go first.
    for (QMenu* menu : bar_->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [this] { releaseHeldKeys(); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (!windowHandle() || now == windowHandle() || closed_)
            return;
        releaseHeldKeys();
        // Focus passing between the game's own windows goes through no window at all for a
        // moment on some systems: look again once the events of the change are handled.
        if (!now)
            QTimer::singleShot(50, this, [this] {
                if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget())
                    focusLeft(true);
            });
    });

    auto tick = [this](Handler handler) { return [this, handler] { run(handler); }; };
    timer1_ = std::make_unique<tkqt::TimerLink>(model.Timer1, tick(&game::Form1::Timer1_Timer));
    timer2_ = std::make_unique<tkqt::TimerLink>(model.Timer2, tick(&game::Form1::Timer2_Timer));
    timer4_ = std::make_unique<tkqt::TimerLink>(model.Timer4, tick(&game::Form1::Timer4_Timer));
    if (std::getenv("SMASHBOL_TICK_STATS"))
        reportTickRates();

    layoutClient();
}

// A diagnostic for measuring the game's true speed: once a second, on standard error, how many
// times each timer ran in that second and how long their handlers held the window (the pause
// after a point blocks every timer for 700 ms).
void MainWindowView::reportTickRates() {
    auto* report = new QTimer(this);
    report->setTimerType(Qt::PreciseTimer);
    // The report is held up by a pause like every timer, so it says how long its second was.
    auto since = std::make_shared<QElapsedTimer>();
    since->start();
    connect(report, &QTimer::timeout, this, [this, since] {
        const long windowMs = static_cast<long>(since->restart());
        const long t1 = timer1_->takeTickCount(), t2 = timer2_->takeTickCount(),
                   t4 = timer4_->takeTickCount();
        const long busy = timer1_->takeBusyMs() + timer2_->takeBusyMs() + timer4_->takeBusyMs();
        std::fprintf(stderr,
                     "ticks/s Timer1=%ld Timer2=%ld Timer4=%ld window_ms=%ld handlers_ms=%ld\n", t1,
                     t2, t4, windowMs, busy);
        std::fflush(stderr);
    });
    report->start(1000);
}

void MainWindowView::run(Handler handler) {
    recorded(SessionRecorder::lineOf(handler), [this, handler] { std::invoke(handler, model_); });
}

void MainWindowView::recorded(std::string line, const std::function<void()>& handler) {
    if (!recorder_ || closed_)
        return handle(handler);
    recorder_->begin(std::move(line));
    handle(handler);
    recorder_->end();
}

MainWindowView::~MainWindowView() {
    closed_ = true;
    if (watchingKeys_ && windowHandle())
        windowHandle()->removeEventFilter(this);
}

void MainWindowView::sync() {
    timer1_->sync();
    timer2_->sync();
    timer4_->sync();
    menus_->sync();
    layoutClient();
    canvas_->requestFrame();
}

int MainWindowView::menuBarHeight() {
    // Measured when the menus' visibility or the zoom changes, not on each of a thousand ticks
    // a second.
    const int shown = menus_->visibleTopLevelMenus();
    const int zoom = shownZoom();
    if (shown != measuredMenus_ || zoom != measuredZoom_) {
        measuredMenus_ = shown;
        measuredZoom_ = zoom;
        measuredBarHeight_ = 0;
        // No font is looked at while the bar is empty (the splash): reading the fonts is no
        // part of opening the window.
        if (shown > 0) {
            // The menus' text at the zoomed size, the menus that open included.
            // A system without any font gives no size: the menus then keep Qt's own.
            QFont font = QApplication::font();
            if (const int px = QFontInfo(font).pixelSize(); px > 0) {
                font.setPixelSize(px * zoom);
                bar_->setFont(font);
                for (QMenu* menu : bar_->findChildren<QMenu*>())
                    menu->setFont(font);
            }
            measuredBarHeight_ = bar_->sizeHint().height();
        }
    }
    return measuredBarHeight_;
}

int MainWindowView::shownZoom() const {
    if (!fullScreen_)
        return zoom_;
    const QScreen* screen = windowHandle() && windowHandle()->screen()
                                ? windowHandle()->screen()
                                : QGuiApplication::primaryScreen();
    if (!screen)
        return zoom_;
    const QSize room = screen->geometry().size();
    const int inner = std::max(1, tk::pixels(innerHeightTwips_));
    return std::max(1, std::min(room.width() / kClientWidthPx, room.height() / inner));
}

// The window's size is the game's: 303 pixels wide, its height below the title bar as the game
// last set it, both times the zoom. The menu bar, once shown, takes its room from the top of that
// height; the court and the score bar are painted in what remains. Full screen, the same game
// lies in the middle of a black screen.
void MainWindowView::layoutClient() {
    const int zoom = shownZoom();
    const int width = kClientWidthPx * zoom;
    const int inner = tk::pixels(innerHeightTwips_) * zoom;
    const int bar = std::min(menuBarHeight(), inner);
    canvas_->setZoom(zoom);
    if (bar_->geometry() != QRect(0, 0, width, bar)) {
        bar_->setGeometry(0, 0, width, bar);
        bar_->setVisible(bar > 0);
    }
    const QRect client(0, bar, width, inner - bar);
    if (canvas_->geometry() != client) {
        canvas_->setFixedSize(client.size());
        canvas_->move(client.topLeft());
    }
    if (fullScreen_) {
        QRect place(QPoint(0, 0), QSize(width, inner));
        place.moveCenter(stage_->rect().center());
        if (frame_->geometry() != place)
            frame_->setGeometry(place);
        return;
    }
    if (frame_->geometry() != QRect(0, 0, width, inner))
        frame_->setGeometry(0, 0, width, inner);
    if (size() != QSize(width, inner) || minimumSize() != maximumSize())
        setFixedSize(width, inner);
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fullScreen_)
        QTimer::singleShot(0, this, [this] { layoutClient(); });
}

void MainWindowView::setZoom(int zoom) {
    zoom = std::clamp(zoom, 1, kMaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    setProperty(kZoomProperty, zoom_);
    layoutClient();
}

void MainWindowView::setFullScreenGame(bool on) {
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on)
        showWholeScreen();
    else
        showNormal();
    layoutClient();
}

void MainWindowView::showWholeScreen() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
    // Where no window manager answers the request, the window takes the screen itself.
    if (const QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr)
        setGeometry(screen->geometry());
}

void MainWindowView::present() {
    if (fullScreen_) {
        showWholeScreen();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        show();
    }
    layoutClient();
    raise();
    activateWindow();
}

void MainWindowView::remember() {
    if (!store_)
        return;
    // Only what the player changed here: a setting given on the command line for this run is
    // not written back.
    Preferences saved = store_->load();
    saved.zoom = zoom_;
    saved.fullScreen = fullScreen_;
    store_->save(saved);
}

float MainWindowView::outerHeight() const {
    const int decoration = frameGeometry().height() - geometry().height();
    return innerHeightTwips_ + static_cast<float>(decoration) * tk::kTwipsPerPixel;
}

void MainWindowView::setOuterHeight(float twips) {
    const int decoration = frameGeometry().height() - geometry().height();
    innerHeightTwips_ = twips - static_cast<float>(decoration) * tk::kTwipsPerPixel;
    layoutClient();
}

void MainWindowView::clicked(const tk::Control* control) {
    // The word "CLICK" lies on the splash and takes its own clicks.
    if (control == &model_.Label5)
        recorded("click label", [this] { model_.Label5_Click(); });
    else if (control == &model_.Picture4)
        recorded("click splash", [this] { model_.Picture4_Click(); });
}

void MainWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    watchWindowKeys();
}

void MainWindowView::watchWindowKeys() {
    if (watchingKeys_ || !windowHandle())
        return;
    windowHandle()->installEventFilter(this);
    watchingKeys_ = true;
    connect(windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
        if (state == Qt::WindowMinimized)
            focusLeft(true);
    });
}

// The window's own keys: the zoom and full screen. They never reach the game, nor does their
// release.
bool MainWindowView::windowKey(const QKeyEvent& key) {
    const int k = key.key();
    if (key.type() == QEvent::KeyRelease) {
        if (!contains(swallowedKeys_, k))
            return false;
        if (!key.isAutoRepeat())
            erase(swallowedKeys_, k);
        return true;
    }
    const bool ctrl = key.modifiers() & Qt::ControlModifier;
    if (ctrl && (k == Qt::Key_Plus || k == Qt::Key_Equal))
        setZoom(zoom_ + 1);
    else if (ctrl && k == Qt::Key_Minus)
        setZoom(zoom_ - 1);
    else if (ctrl && k == Qt::Key_0)
        setZoom(1);
    else if (k == Qt::Key_F11)
        setFullScreenGame(!fullScreen_);
    else if (const int letter = tkqt::physicalLetterOf(key); ctrl && letter) {
        // Ctrl and a letter under a layout without Latin letters: the menu shortcut of the key
        // in that place, as on a Latin layout.
        const QKeySequence wanted(QKeyCombination(Qt::ControlModifier, Qt::Key(letter)));
        const QList<QAction*> mine = actions();
        const auto found = std::find_if(mine.begin(), mine.end(), [&](QAction* action) {
            return action->shortcut() == wanted;
        });
        if (found == mine.end())
            return false;
        if ((*found)->isEnabled())
            (*found)->trigger();
    } else {
        return false;
    }
    if (!key.isAutoRepeat())
        remember();
    if (!contains(swallowedKeys_, k))
        swallowedKeys_.push_back(k);
    return true;
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (windowKey(key))
            return true;
        if (!tkqt::isAutoRepeatRelease(key)) {
            const int code = tkqt::keyCodeOf(key);
            const int shift = tkqt::shiftStateOf(key.modifiers());
            if (event->type() == QEvent::KeyPress) {
                if (!contains(heldKeys_, code))
                    heldKeys_.push_back(code);
                keyDown(code, shift);
            } else {
                erase(heldKeys_, code);
                keyUp(code, shift);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::keyDown(int code, int shift) {
    recorded("keydown " + std::to_string(code), [&] { model_.Form_KeyDown(code, shift); });
}

void MainWindowView::keyUp(int code, int shift) {
    recorded("keyup " + std::to_string(code), [&] { model_.Form_KeyUp(code, shift); });
}

void MainWindowView::releaseHeldKeys() {
    const std::vector<int> held = std::exchange(heldKeys_, {});
    for (const int code : held)
        keyUp(code);
}

void MainWindowView::focusLeft(bool toAnotherProgram) {
    releaseHeldKeys();
    if (toAnotherProgram)
        autoPause();
}

// The player has gone to another program, or minimised the game: a running match pauses as
// the "P" key pauses it, and waits for "P" or an arrow.
void MainWindowView::autoPause() {
    if (!autoPause_ || closed_)
        return;
    if (model_.Label4.Visible && model_.Timer1.Enabled && model_.Timer2.Enabled)
        keyDown(game::kKeyP);
}

void MainWindowView::unload() {
    if (closed_)
        return;
    // The state the game ends in, before the window's end switches its timers off.
    if (recorder_)
        recorder_->finish(model_);
    closed_ = true;
    model_.Timer1.Enabled = false;
    model_.Timer2.Enabled = false;
    model_.Timer4.Enabled = false;
    timer1_->sync();
    timer2_->sync();
    timer4_->sync();
    close();
    QApplication::quit();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, as unloading it does.
    event->accept();
    if (!closed_)
        unload();
}

}  // namespace views
