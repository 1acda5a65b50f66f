// The about window's globe and the click-to-close of the about and help windows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "screens/about_window.h"
#include "screens/help_window.h"
#include "tools/trace/scripted_host.h"

namespace {

using trace::ScriptedHost;

std::string shown(const screens::Form2& about) {
    return about.Picture2.picture().owner();
}

TEST(AboutWindow, TheGlobeRunsThroughItsEightFramesAndGoesOnWhereItStopped) {
    ScriptedHost host;
    screens::Form2 about(host);
    about.Load();
    EXPECT_TRUE(about.Timer1.Enabled);
    EXPECT_EQ(about.Timer1.Interval, 20);
    EXPECT_TRUE(about.Picture2.picture().empty()) << "empty until the first tick";
    std::vector<std::string> frames;
    for (int i = 0; i < 10; ++i) {
        about.Timer1_Timer();
        frames.push_back(shown(about));
    }
    EXPECT_EQ(frames.front(), "Form2.Picture1(0)");
    EXPECT_EQ(frames[7], "Form2.Picture1(7)");
    EXPECT_EQ(frames[8], "Form2.Picture1(0)") << "after frame 7 comes frame 0";
    EXPECT_EQ(about.Picture2.Width, 480) << "the display sizes itself to the 32 px frame";

    about.Form_Click();
    EXPECT_FALSE(about.Timer1.Enabled);
    about.Load();
    EXPECT_TRUE(about.Picture2.picture().empty()) << "the controls are made afresh";
    about.Timer1_Timer();
    EXPECT_EQ(shown(about), "Form2.Picture1(2)") << "the frame after the last one shown";
}

TEST(AboutWindow, TakesTheMainWindowsIcon) {
    ScriptedHost host;
    screens::Form2 about(host);
    about.Load();
    EXPECT_FALSE(about.Icon.empty());
    EXPECT_EQ(about.Icon, host.picture("Form1.Icon"));
}

TEST(AboutWindow, AClickAnywhereClosesIt) {
    const std::pair<const char*, void (screens::Form2::*)()> clicks[] = {
        {"background", &screens::Form2::Form_Click}, {"title", &screens::Form2::Label1_Click},
        {"credit", &screens::Form2::Label5_Click},   {"web", &screens::Form2::Label6_Click},
        {"rules", &screens::Form2::Label8_Click},    {"globe", &screens::Form2::Picture2_Click},
    };
    for (const auto& [name, click] : clicks) {
        SCOPED_TRACE(name);
        ScriptedHost host;
        screens::Form2 about(host);
        about.Load();
        (about.*click)();
        EXPECT_FALSE(about.loaded());
        EXPECT_EQ(host.unloads, std::vector<std::string>{"Form2"});
    }
}

TEST(HelpWindow, AClickAnywhereClosesIt) {
    const std::pair<const char*, void (screens::Form3::*)()> clicks[] = {
        {"background", &screens::Form3::Form_Click},
        {"cursor keys", &screens::Form3::Image1_Click},
        {"P key", &screens::Form3::Image2_Click},
        {"start text", &screens::Form3::Label1_Click},
        {"steer text", &screens::Form3::Label2_Click},
        {"pause text", &screens::Form3::Label3_Click},
    };
    for (const auto& [name, click] : clicks) {
        SCOPED_TRACE(name);
        ScriptedHost host;
        screens::Form3 help(host);
        (help.*click)();
        EXPECT_FALSE(help.loaded());
        EXPECT_EQ(host.unloads, std::vector<std::string>{"Form3"});
    }
}

TEST(HelpWindow, ShowsBothKeyPicturesAtTheirSizes) {
    ScriptedHost host;
    screens::Form3 help(host);
    EXPECT_EQ(help.Image2.picture.widthPx(), 36);
    EXPECT_EQ(help.Image2.picture.heightPx(), 31);
    EXPECT_EQ(help.Image1.picture.widthPx(), 126);
    EXPECT_EQ(help.Image1.picture.heightPx(), 77);
}

}  // namespace
