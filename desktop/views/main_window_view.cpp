#include "desktop/views/main_window_view.h"

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

#include "engine/flow/menu_tree.h"
#include "engine/screens/window_scenes.h"
#include "desktop/qt/key_codes.h"
#include "desktop/qt/shown_text.h"
#include "desktop/views/dialog_frame.h"
#include "desktop/views/session_recorder.h"

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

MainWindowView::MainWindowView(flow::MainWindow& model, const tk::Renderer& renderer,
                               const Preferences& preferences, PreferenceStore* store)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      model_(model),
      store_(store),
      clock_(preferences.classicTiming ? flow::Clock::Timing::Classic
                                       : flow::Clock::Timing::Steady),
      innerHeightTwips_(game::kClientHeight),
      fullScreen_(preferences.fullScreen),
      autoPause_(preferences.autoPause),
      muted_(preferences.mute),
      language_(preferences.language) {
    setWindowTitle(tkqt::shown(model.Caption));
    if (preferences.zoom >= 1 && preferences.zoom <= kMaxZoom)
        zoom_ = preferences.zoom;
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        zoom_ = zoomForScreenHeight(screen->availableGeometry().height());
    // A remembered zoom the screen does not take shows as the largest it does, and stays
    // remembered for a larger screen.
    fitted_ = std::min(zoom_, fittingZoom());

    stage_ = new Stage(this);
    setCentralWidget(stage_);
    frame_ = new QWidget(stage_);
    bar_ = new QMenuBar(frame_);
    menuStyle_ = new tkqt::MenuStyle;
    menuStyle_->setParent(this);
    bar_->setStyle(menuStyle_);
    canvas_ = new tkqt::FrameCanvas(
        renderer, [this] { return screens::mainWindowScene(model_); }, frame_);
    canvas_->onClick = [this](const tk::Control* control) { clicked(control); };

    // The menus as the game lays them out, each command run as an event of this window.
    const auto build = [this](const auto& self, const flow::MenuNode& node) -> tkqt::MenuNode {
        tkqt::MenuNode built{node.item, {}, {}};
        if (node.command)
            built.command = [this, command = node.command] { run(command); };
        for (const flow::MenuNode& child : node.children)
            built.children.push_back(self(self, child));
        return built;
    };
    std::vector<tkqt::MenuNode> tree;
    for (const flow::MenuNode& node : flow::menuTree(model))
        tree.push_back(build(build, node));
    menus_ = std::make_unique<tkqt::MenuLink>(*bar_, *this, tree);
    // A menu opening takes the keys: whatever was held is let go first.
    for (QMenu* menu : bar_->findChildren<QMenu*>()) {
        menu->setStyle(menuStyle_);
        connect(menu, &QMenu::aboutToShow, this, [this] { releaseHeldKeys(); });
    }
    watchFocus();

    // Every tick goes the way of any other event of the window, so that a recording sees it.
    // Added in this order, the game tick goes first of two timers due at once.
    auto tick = [this](Handler handler) { return [this, handler] { run(handler); }; };
    timer1_ = clock_.add(model.Timer1, tick(&game::Form1::Timer1_Timer));
    timer2_ = clock_.add(model.Timer2, tick(&game::Form1::Timer2_Timer));
    timer4_ = clock_.add(model.Timer4, tick(&game::Form1::Timer4_Timer));
    clock_.afterTicks = [this] {
        if (!closed_)
            sync();
    };
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
        const long t1 = clock_.takeTicks(timer1_), t2 = clock_.takeTicks(timer2_),
                   t4 = clock_.takeTicks(timer4_);
        const long busy = clock_.takeBusyMs();
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
    if (clock_.clock().ticking())
        return;
    clock_.sync();
    menus_->sync();
    layoutClient();
    canvas_->requestFrame();
}

void MainWindowView::clicked(const tk::Control* control) {
    // The word "CLICK" lies on the splash and takes its own clicks.
    if (control == &model_.Label5)
        recorded("click label", [this] { model_.Label5_Click(); });
    else if (control == &model_.Picture4)
        recorded("click splash", [this] { model_.Picture4_Click(); });
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
    clock_.sync();
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
