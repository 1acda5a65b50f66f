// The about window's globe. A click anywhere closing the about and help windows is the dialogs'
// test, on the real windows.
#include <gtest/gtest.h>

#include <string>

#include "engine/screens/about_window.h"
#include "tools/trace/scripted_host.h"

namespace {

TEST(AboutWindow, TheGlobeRunsThroughItsEightFramesAndGoesOnWhereItStopped) {
    trace::ScriptedHost host;
    screens::Form2 about(host);
    about.Load();
    EXPECT_EQ(about.Timer1.Interval, 20);
    EXPECT_TRUE(about.Picture2.picture().empty()) << "empty until the first tick";
    EXPECT_EQ(about.Icon, host.picture("Form1.Icon"));
    std::string frames;
    for (int i = 0; i < 10; ++i) {
        about.Timer1_Timer();
        frames += about.Picture2.picture().owner().substr(15, 1);  // "Form2.Picture1(N)"
    }
    EXPECT_EQ(frames, "0123456701");
    EXPECT_EQ(about.Picture2.Width, 480) << "the display sizes itself to the 32 px frame";
    about.Form_Click();
    EXPECT_FALSE(about.loaded() || about.Timer1.Enabled);
    about.Load();
    EXPECT_TRUE(about.Picture2.picture().empty()) << "the controls are made afresh";
    about.Timer1_Timer();
    EXPECT_EQ(about.Picture2.picture().owner(), "Form2.Picture1(2)") << "the next frame";
}

}  // namespace
