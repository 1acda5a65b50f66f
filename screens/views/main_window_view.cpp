#include "screens/views/main_window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "screens/views/session_recorder.h"
#include "toolkit/qt/key_codes.h"

namespace views {

namespace {
constexpr int kClientWidthPx = static_cast<int>(game::kClientWidth / tk::kTwipsPerPixel);
}

MainWindowView::MainWindowView(flow::MainWindow& model, tkqt::FormPainter& painter)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      model_(model),
      innerHeightTwips_(game::kClientHeight) {
    setWindowTitle(QString::fromStdString(model.Caption));
    canvas_ = new tkqt::FormCanvas(
        painter, [this] { return scene(); }, this);
    canvas_->onClick = [this](const tk::Control* control) { clicked(control); };
    setCentralWidget(canvas_);

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
    menus_ = std::make_unique<tkqt::MenuLink>(*menuBar(), *this, tree);

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

tkqt::FormScene MainWindowView::scene() {
    tkqt::FormScene scene;
    scene.backColor = model_.BackColor;
    scene.picture = model_.backgroundPicture;
    scene.drawing = &model_.drawing;
    scene.controls = model_.windowControls();
    scene.childrenOf = [this](const tk::PictureBox& box) {
        if (&box == &model_.Picture1)
            return model_.courtControls();
        if (&box == &model_.Picture4)
            return model_.splashControls();
        return std::vector<tk::ControlRef>{};
    };
    return scene;
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
    // Measured when the menus' visibility changes, not on each of a thousand ticks a second.
    const int shown = menus_->visibleTopLevelMenus();
    if (shown != measuredMenus_) {
        measuredMenus_ = shown;
        measuredBarHeight_ = shown > 0 ? menuBar()->sizeHint().height() : 0;
    }
    return measuredBarHeight_;
}

// The window's size is the game's: 303 pixels wide, its height below the title bar as the game
// last set it. The menu bar, once shown, takes its room from the top of that height; the court
// and the score bar are painted in what remains.
void MainWindowView::layoutClient() {
    const int inner = tkqt::pixels(innerHeightTwips_);
    const int client = std::max(0, inner - menuBarHeight());
    if (canvas_->size() != QSize(kClientWidthPx, client))
        canvas_->setFixedSize(kClientWidthPx, client);
    if (size() != QSize(kClientWidthPx, inner) || minimumSize() != maximumSize())
        setFixedSize(kClientWidthPx, inner);
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
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!tkqt::isAutoRepeatRelease(key)) {
            const int code = tkqt::keyCodeOf(key.key());
            const int shift = tkqt::shiftStateOf(key.modifiers());
            if (event->type() == QEvent::KeyPress)
                keyDown(code, shift);
            else
                keyUp(code, shift);
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
