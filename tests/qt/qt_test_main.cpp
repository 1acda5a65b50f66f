// One QApplication for every test, on the offscreen platform at one device pixel to a window
// pixel, whatever desktop the tests were started from: they measure sizes and compare pixels, so
// a platform, scaling or style taken over from the caller's session would change what they see.
#include <QApplication>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    // One screen of 1024x768, as the end-to-end tests' X server has: zoom 2 fits, 3 does not.
    const std::string screen = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                               "/smashbol-qt-tests-screen-" + std::to_string(getpid()) + ".json";
    std::ofstream(screen) << R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1024,
        "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).c_str(), 1);
    for (const char* name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI", "QT_STYLE_OVERRIDE",
          "QT_QPA_PLATFORMTHEME"})
        unsetenv(name);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::remove(screen.c_str());
    return RUN_ALL_TESTS();
}
