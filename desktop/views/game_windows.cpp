#include "desktop/views/game_windows.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <chrono>
#include <cstdlib>
#include <utility>

namespace views {

GameWindows::GameWindows(running::Options options, PreferenceStore* store)
    : store_(store), clock_([this](flow::Nanos now) {
          act([now](running::Game& game) { game.advance(now); });
          if (ticks_)
              ticks_->note(GameClock::now() - now, game_->held());
      }) {
    if (!options.now)
        options.now = &GameClock::now;
    if (!options.seed)
        options.seed = static_cast<std::uint32_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    game_ = std::make_unique<running::Game>(*this, std::move(options));
    // A first start: the zoom at which the game takes at most 70 % of the screen's height.
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && game_->settings().zoom == 0) {
        running::Settings settings = game_->settings();
        settings.zoom = running::zoomForScreenHeight(
            screen->availableGeometry().height(), game_->clientArea(running::Window::Main).height);
        game_->changeSettings(settings);
    }
    known_ = game_->settings();
    asked_ = {};
    if (std::getenv("SMASHBOL_TICK_STATS"))
        ticks_ = std::make_unique<TickReport>(*game_);
    main_ = std::make_unique<MainWindowView>(*this);
    clock_.setGap(main_->canvas().frameIntervalMs() * flow::kMillisecond);
    if (const QImage icon = tkqt::imageOf(game_->form().Icon); !icon.isNull())
        main_->setWindowIcon(QPixmap::fromImage(icon));
}

GameWindows::~GameWindows() {
    closed_ = true;
    if (message_)
        message_->disconnect();
    delete dialog_;
    main_.reset();
}

void GameWindows::start(const std::function<void(running::Game&)>& begin) {
    act([&begin](running::Game& game) { begin ? begin(game) : game.load(); });
    main_->present();
    settle();
}

// Inside a settling the windows may call into the game again (a focus change, the room): the
// settling goes round once more for what that changed.
void GameWindows::settle() {
    if (settling_) {
        again_ = true;
        return;
    }
    settling_ = true;
    for (int round = 0; round < 8; ++round) {
        again_ = false;
        settleOnce();
        if (!again_)
            break;
    }
    settling_ = false;
}

void GameWindows::settleOnce() {
    const Asked asked = std::exchange(asked_, {});
    if (closed_)
        return;
    if (asked.ended)
        return end();
    if (asked.fullScreen)
        main_->setFullScreenGame(*asked.fullScreen);
    if (asked.windows) {
        main_->mirror();
        mirrorDialog();
    }
    if (asked.message)
        openMessage(asked.message->first, asked.message->second);
    if (asked.menuBar)
        main_->openMenuBar();
    if (asked.settingsMenu)
        main_->openSettings();
    main_->canvas().requestFrame();
    if (dialog_)
        dialog_->canvas().requestFrame();
    clock_.arm(game_->nextWake(), !game_->settings().classicTiming);
}

// The about or help window as the game has it: opened, closed, or another one.
void GameWindows::mirrorDialog() {
    const std::optional<running::Window> open = game_->modalWindow();
    if (dialog_ && (!open || *open != dialog_->window())) {
        // Later: its own click may be what closed it.
        dialog_->hide();
        dialog_->deleteLater();
        dialog_ = nullptr;
        main_->activateWindow();
    }
    if (!open || *open == running::Window::Main)
        return;
    if (dialog_)
        return dialog_->mirror();
    dialog_ = new DialogView(*this, *open, main_->keyPath(), main_.get());
    dialog_->open(main_->frameGeometry());
}

void GameWindows::showMessage(std::string_view title, std::string_view text) {
    asked_.message.emplace(std::string(title), std::string(text));
}

void GameWindows::openMessage(const std::string& title, const std::string& text) {
    QWidget* over = dialog_ ? static_cast<QWidget*>(dialog_) : main_.get();
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok, over);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box,
                     [this] { act([](running::Game& game) { game.dismissMessage(); }); });
    message_ = box;
    box->open();
    box->raise();
    box->activateWindow();
}

void GameWindows::playWave(std::span<const std::uint8_t> waveImage) {
    if (onWave && !game_->settings().mute)
        onWave(waveImage);
}

// Only what the player changed now: a setting given on the command line for this run is not
// written back.
void GameWindows::settingsChanged(const running::Settings& s) {
    if (s.mute != known_.mute && onMuted)
        onMuted(s.mute);
    if (s.language != known_.language)
        showLanguage(s.language);
    if (store_) {
        running::Settings saved = store_->load();
        const running::Settings& was = known_;
        if (s.zoom != was.zoom)
            saved.zoom = s.zoom;
        if (s.fullScreen != was.fullScreen)
            saved.fullScreen = s.fullScreen;
        if (s.autoPause != was.autoPause)
            saved.autoPause = s.autoPause;
        if (s.classicTiming != was.classicTiming)
            saved.classicTiming = s.classicTiming;
        if (s.mute != was.mute)
            saved.mute = s.mute;
        if (s.language != was.language)
            saved.language = s.language;
        store_->save(saved);
    }
    known_ = s;
}

// The main window was unloaded: the windows close and the program ends.
void GameWindows::end() {
    closed_ = true;
    clock_.arm(std::nullopt, false);
    if (message_) {
        message_->disconnect();
        message_->close();
    }
    if (dialog_)
        dialog_->hide();
    main_->close();
}

}  // namespace views
