// SMASHBOL 2002: the main window with its menus, the wave player, and nothing read from disk.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <future>
#include <memory>
#include <optional>
#include <vector>

#include "desktop/app/command_line.h"
#include "desktop/app/display_check.h"
#include "desktop/app/quit_on_signal.h"
#include "assets/embedded_resources.h"
#include "engine/flow/session.h"
#include "desktop/qt/qt_host.h"
#include "desktop/sdl/gamepad_keys.h"
#include "desktop/sdl/wave_player.h"
#include "desktop/views/game_windows.h"
#include "desktop/views/preferences.h"
#include "desktop/views/session_recorder.h"

int main(int argc, char* argv[]) {
    views::PreferenceStore store;
    // Read before anything needs a display: --help and a mistyped option work without one.
    const app::CommandLine options =
        app::parseCommandLine(app::argumentsOf(argc, argv), store.path());
    if (options.action != app::CommandLine::Action::Play) {
        std::fputs(qPrintable(options.message),
                   options.action == app::CommandLine::Action::Refuse ? stderr : stdout);
        return options.exitStatus();
    }
    // Qt reads -platform and -display from argv itself; the display check looks where Qt will.
    if (!options.qtPlatform.isEmpty())
        qputenv("QT_QPA_PLATFORM", options.qtPlatform.toLocal8Bit());
    if (!options.qtDisplay.isEmpty())
        qputenv("DISPLAY", options.qtDisplay.toLocal8Bit());
    if (const std::string reason = app::missingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "smashbol: cannot open a window: %s\n", reason.c_str());
        return 1;
    }
    // What was chosen for this run over what is remembered; the window takes its own part.
    const views::Preferences preferences = options.over(store.load());
    views::showLanguage(preferences.language);
    // Silent, and saying nothing, on a machine without a sound device; muted, no device is opened
    // at all. The device is opened beside Qt's start, not before the window: the intro clip that
    // the game plays at load waits for it, and starts as soon as the window is up. Made before Qt
    // and so closed after it: the window is gone at once when the game ends, while the sound
    // device takes a buffer's time to stop.
    std::future<std::unique_ptr<tksdl::WavePlayer>> opening;
    if (!preferences.mute)
        opening = tksdl::WavePlayer::openAside();
    std::unique_ptr<tksdl::WavePlayer> wavePlayer;
    std::vector<std::uint8_t> waiting;  // the last clip asked for before the device was open
    std::optional<QApplication> application;
    {
        app::QtStartGuard guard;
        application.emplace(argc, argv);
    }
    QApplication::setApplicationName("smashbol");       // the window's WM_CLASS, "smashbol"
    QApplication::setDesktopFileName(SMASHBOL_APP_ID);  // Wayland's app id: the menu entry's name
    const int endRequested = app::quitOnTerminationSignals(&*application);

    assets::EmbeddedResources resources;
    bool muted = preferences.mute;  // turned on and off in the settings menu
    tkqt::QtHost host(resources, game::kTitle, [&](std::span<const std::uint8_t> wave) {
        if (muted)
            return;
        if (wavePlayer)
            wavePlayer->play(wave);
        else if (opening.valid())
            waiting.assign(wave.begin(), wave.end());  // a new clip cuts off the one before
    });
    host.setWakeDescriptor(endRequested);
    // The game talks to the world through the recorder, which passes everything on to the host
    // and, with --record, writes the session down.
    flow::Session<views::SessionRecorder> session(host, options.recordPath);
    views::SessionRecorder& recorder = session.host;
    flow::MainWindow& game = session.form;
    views::GameWindows windows(game, host, preferences, &store);
    if (recorder.recording())
        windows.mainWindow().setRecorder(&recorder);
    if (const QImage icon = tkqt::imageOf(game.Icon); !icon.isNull())
        QApplication::setWindowIcon(QPixmap::fromImage(icon));

    recorder.begin("load");
    game.Form_Load();
    recorder.end();
    // The device, once open, plays the last clip asked for meanwhile.
    const auto takeDevice = [&] {
        if (!opening.valid())
            return;
        wavePlayer = opening.get();
        if (!waiting.empty())
            wavePlayer->play(waiting);
        waiting.clear();
    };
    // Sound off stops the clip playing; sound on opens the device if none was opened yet.
    windows.mainWindow().onMuted = [&](bool mute) {
        muted = mute;
        waiting.clear();
        if (mute && wavePlayer)
            wavePlayer->stop();
        if (!mute && !wavePlayer && !opening.valid()) {
            opening = tksdl::WavePlayer::openAside();
            QTimer::singleShot(0, takeDevice);
        }
    };
    windows.showMainWindow();
    QTimer::singleShot(0, takeDevice);
    // Controllers are looked for once the window is up, so that they cost its start nothing.
    tksdl::GamepadKeys gamepad;
    QTimer::singleShot(0, [&gamepad] { gamepad.start(); });
    const int status = QApplication::exec();
    windows.mainWindow().unload();
    return status;
}
