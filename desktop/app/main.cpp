// SMASHBOL 2002: the running game in its windows, the wave player, and nothing read from disk.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <optional>
#include <string_view>
#include <utility>

#include "desktop/app/command_line.h"
#include "desktop/app/display_check.h"
#include "desktop/app/quit_on_signal.h"
#include "desktop/app/sound.h"
#include "desktop/sdl/gamepad_keys.h"
#include "desktop/views/game_windows.h"
#include "desktop/views/preferences.h"
#include "desktop/views/recording_file.h"

int main(int argc, char* argv[]) {
#if defined(__GLIBC__)
    // A clip's wave and its conversion are a few hundred kilobytes each, made and let go at every
    // stroke: mapped and given back whole, not left in the heap, where clips of other sizes after
    // them grew it by a megabyte over a few minutes of play. (A fixed threshold also keeps glibc
    // from raising it after the first such buffer is freed.)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    views::PreferenceStore store;
    // Read before anything needs a display: --help and a mistyped option work without one.
    const running::CommandLine options =
        app::parseCommandLine(argc, argv, store.path().toStdString());
    if (options.action != running::CommandLine::Action::Play) {
        std::fputs(options.message.c_str(),
                   options.action == running::CommandLine::Action::Refuse ? stderr : stdout);
        return options.exitStatus();
    }
    // A recording to watch is read and checked whole before any window opens.
    views::RecordingText watched;
    if (!options.replayPath.empty()) {
        watched = views::readRecording(QFile::decodeName(options.replayPath.c_str()));
        if (!watched.check.message.empty())
            std::fprintf(stderr, "smashbol: %s\n", watched.check.message.c_str());
        if (!watched.check.ok)
            return 2;
    }
    // Qt reads -platform and -display from argv itself; the display check looks where Qt will.
    if (const std::optional<std::string> platform = options.frontEndOption("platform"))
        qputenv("QT_QPA_PLATFORM", platform->c_str());
    if (const std::optional<std::string> display = options.frontEndOption("display"))
        qputenv("DISPLAY", display->c_str());
    if (const std::string reason = app::missingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "smashbol: cannot open a window: %s\n", reason.c_str());
        return 1;
    }
    // What was chosen for this run over what is remembered.
    running::Options run;
    run.settings = options.over(store.load());
    views::showLanguage(run.settings.language);
    // Silent, and saying nothing, on a machine without a sound device.
    app::Sound sound(run.settings.mute);
    std::optional<QApplication> application;
    {
        app::QtStartGuard guard;
        application.emplace(argc, argv);
        if (!QGuiApplication::primaryScreen())
            app::QtStartGuard::noScreen(QGuiApplication::platformName().toStdString());
    }
    QApplication::setApplicationName("smashbol");       // the window's WM_CLASS, "smashbol"
    QApplication::setDesktopFileName(SMASHBOL_APP_ID);  // Wayland's app id: the menu entry's name
    app::quitOnTerminationSignals(&*application);

    views::GameWindows windows(std::move(run), &store);
    windows.onWave = [&sound](std::span<const std::uint8_t> wave) { sound.play(wave); };
    windows.onMuted = [&sound](bool muted) { sound.setMuted(muted); };
    std::unique_ptr<views::RecordingFile> recording;
    if (!options.recordPath.empty() &&
        (recording = views::RecordingFile::open(QFile::decodeName(options.recordPath.c_str()))))
        windows.game().recordTo(*recording, options.recordPath);
    if (const QIcon icon = windows.mainWindow().windowIcon(); !icon.isNull())
        QApplication::setWindowIcon(icon);
    if (options.replayPath.empty()) {
        windows.start();
    } else {
        windows.start([&](running::Game& game) {
            game.watch(options.replayPath, watched.text, [](std::string_view s) {
                std::fwrite(s.data(), 1, s.size(), stdout);
                std::fflush(stdout);
            });
        });
        watched.text = {};  // the game keeps what it plays
    }
    // The sound device and the controllers are looked for once the first frame is on the screen:
    // loading SDL and the libraries it brings beside Qt's start held the window back by about
    // 20 ms. The intro's chord, asked for at load, starts as soon as the device is open. A window
    // that is not painted at once (covered from the start) waits a second at most.
    tksdl::GamepadKeys gamepad;
    bool devicesLooked = false;
    const auto lookForDevices = [&] {
        if (std::exchange(devicesLooked, true))
            return;
        sound.openDevice();
        gamepad.start();
    };
    windows.mainWindow().canvas().onFirstShown = lookForDevices;
    QTimer::singleShot(1000, lookForDevices);
    const int status = QApplication::exec();
    windows.game().finishRecording();
    return status;
}
