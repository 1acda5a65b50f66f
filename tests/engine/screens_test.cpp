// The about window's globe and the click-to-close of the about and help windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/about_window.h"
#include "screens/help_window.h"
#include "tests/support/fake_host.h"

namespace {

using testing_support::FakeHost;

TEST(AboutWindow, TheGlobeRunsThroughItsEightFramesAndGoesOnWhereItStopped) {
    FakeHost host;
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
    about.Load();
    EXPECT_TRUE(about.Picture2.picture().empty()) << "the controls are made afresh";
    about.Timer1_Timer();
    EXPECT_EQ(about.Picture2.picture().owner(), "Form2.Picture1(2)") << "the next frame";
}

TEST(AboutAndHelpWindows, AClickAnywhereClosesThem) {
    using About = screens::Form2;
    using Help = screens::Form3;
    for (auto click : {&About::Form_Click, &About::Label1_Click, &About::Label5_Click,
                       &About::Label6_Click, &About::Label8_Click, &About::Picture2_Click}) {
        FakeHost host;
        About about(host);
        about.Load();
        (about.*click)();
        EXPECT_FALSE(about.loaded() || about.Timer1.Enabled);
        EXPECT_EQ(host.unloads, std::vector<tk::FormName>{tk::FormName::Form2});
    }
    for (auto click : {&Help::Form_Click, &Help::Image1_Click, &Help::Image2_Click,
                       &Help::Label1_Click, &Help::Label2_Click, &Help::Label3_Click}) {
        FakeHost host;
        Help help(host);
        (help.*click)();
        EXPECT_FALSE(help.loaded());
        EXPECT_EQ(host.unloads, std::vector<tk::FormName>{tk::FormName::Form3});
    }
}

}  // namespace
