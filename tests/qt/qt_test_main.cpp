// One QApplication for every test, on the offscreen platform at one device pixel to a window
// pixel, whatever desktop the tests were started from: they measure sizes and compare pixels, so
// a platform, scaling or style taken over from the caller's session would change what they see.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI", "QT_STYLE_OVERRIDE",
          "QT_QPA_PLATFORMTHEME"})
        unsetenv(name);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
