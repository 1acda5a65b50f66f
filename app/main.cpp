// SMASHBOL 2002: the main window with its menus, the wave player, and nothing read from disk.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <memory>
#include <optional>

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
    // Silent, and saying nothing, on a machine without a sound device. Made before Qt and so
    // closed after it: the window is gone at once when the game ends, while the sound device
    // takes a buffer's time to stop.
    tksdl::WavePlayer wavePlayer;
    std::optional<QApplication> application;
    {
        app::QtStartGuard guard;
        application.emplace(argc, argv);
    }
    QApplication::setApplicationName("smashbol");
    const int endRequested = app::quitOnTerminationSignals(&*application);

    tkqt::QtHost host([&wavePlayer](std::span<const std::uint8_t> wave) { wavePlayer.play(wave); });
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
    const int status = QApplication::exec();
    windows.mainWindow().unload();
    return status;
}
