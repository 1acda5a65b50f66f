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

#include "app/display_check.h"
#include "app/quit_on_signal.h"
#include "flow/main_window.h"
#include "flow/module1.h"
#include "screens/views/game_windows.h"
#include "screens/views/preferences.h"
#include "toolkit/qt/qt_host.h"
#include "toolkit/sdl/wave_player.h"

int main(int argc, char* argv[]) {
    if (const std::string reason = app::missingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "smashbol: cannot open a window: %s\n", reason.c_str());
        return 1;
    }
    // Silent, and saying nothing, on a machine without a sound device. The device is opened
    // beside Qt's start, not before the window: the intro clip that the game plays at load waits
    // for it, and starts as soon as the window is up. Made before Qt and so closed after it: the
    // window is gone at once when the game ends, while the sound device takes a buffer's time
    // to stop.
    std::future<std::unique_ptr<tksdl::WavePlayer>> opening =
        std::async(std::launch::async, [] { return std::make_unique<tksdl::WavePlayer>(); });
    std::unique_ptr<tksdl::WavePlayer> wavePlayer;
    std::vector<std::uint8_t> waiting;  // the last clip asked for before the device was open
    std::optional<QApplication> application;
    {
        app::QtStartGuard guard;
        application.emplace(argc, argv);
    }
    QApplication::setApplicationName("smashbol");
    const int endRequested = app::quitOnTerminationSignals(&*application);

    tkqt::QtHost host([&](std::span<const std::uint8_t> wave) {
        if (wavePlayer)
            wavePlayer->play(wave);
        else
            waiting.assign(wave.begin(), wave.end());  // a new clip cuts off the one before
    });
    host.setWakeDescriptor(endRequested);
    flow::Module1 module1(host);
    flow::MainWindow game(host, module1);
    views::PreferenceStore preferenceStore;
    const views::Preferences preferences = preferenceStore.load();
    views::GameWindows windows(game, host, preferences, &preferenceStore);
    if (const QImage& icon = host.pictureCache().image(game.Icon); !icon.isNull())
        QApplication::setWindowIcon(QPixmap::fromImage(icon));

    game.Form_Load();
    windows.showMainWindow();
    QTimer::singleShot(0, [&] {
        wavePlayer = opening.get();
        if (!waiting.empty())
            wavePlayer->play(waiting);
        waiting.clear();
    });
    const int status = QApplication::exec();
    windows.mainWindow().unload();
    return status;
}
