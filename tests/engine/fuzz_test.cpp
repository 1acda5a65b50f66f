// A million random events into the main window, with the game's invariants checked after each.
// The invariants hold for the rules as they are, quirks included: a decided match can be played
// on blind when the arrows restart its timers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "flow/main_window.h"
#include "tests/support/fake_host.h"

namespace {

TEST(EngineFuzz, AMillionRandomEventsKeepTheInvariants) {
    using W = flow::MainWindow;
    testing_support::FakeHost host;
    flow::Module1 module1(host);
    W form(host, module1);
    std::mt19937 random(20021);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    // Menu commands and clicks are rare; mostly the match plays on.
    void (W::*const commands[])() = {&W::easy_Click,     &W::med_Click,   &W::hard_Click,
                                     &W::exit_Click,     &W::hra_Click,   &W::about_Click,
                                     &W::Picture4_Click, &W::Label5_Click};
    const int keys[] = {37, 38, 39, 40, 80};
    const float kStart = testing_support::FakeHost::kStartHeight;
    form.Form_Load();
    long ticks = 0;
    for (long i = 0; i < 1'000'000; ++i) {
        const unsigned roll = random() % 100;
        if (host.rnd.size() < 4)
            host.queueRnd({std::nextafter(unit(random), 0.0f)});
        if (roll < 60) {
            if (form.Timer1.Enabled)
                form.Timer1_Timer(), ++ticks;
            if (form.Timer2.Enabled)
                form.Timer2_Timer();
            if (form.Timer4.Enabled)
                form.Timer4_Timer();
        } else if (roll < 75) {
            const int key = random() % 3 == 0 ? int(random() % 65536) : keys[random() % 5];
            form.Form_KeyDown(key, static_cast<int>(random() % 8));
        } else if (roll < 88) {
            form.Form_KeyUp(static_cast<int>(random() % 65536), 0);
        } else if (roll < 92 || random() % 4 == 0) {
            (form.*commands[random() % std::size(commands)])();
        }
        for (const tk::Label* score : {&form.Label2, &form.Label4, &form.Label9, &form.Label11}) {
            ASSERT_TRUE(!score->Caption.empty() &&
                        score->Caption.find_first_not_of("0123456789") == std::string::npos)
                << score->name << " = " << score->Caption << " at event " << i;
        }
        const std::string& result = form.Label12.Caption;
        ASSERT_TRUE(result.empty() || result == game::kYouWon || result == game::kYouLost);
        ASSERT_TRUE(form.man.Top == 3480 && form.pc.Top == 240) << "event " << i;
        for (const tk::Control* c :
             std::initializer_list<const tk::Control*>{&form.man, &form.pc, &form.ball})
            ASSERT_TRUE(std::isfinite(c->Left) && std::isfinite(c->Top)) << "event " << i;
        ASSERT_TRUE(host.height == kStart || host.height == kStart + game::kWindowGrowth);
        if (host.log.size() > 4096)
            host.clearRecords();
    }
    EXPECT_GT(ticks, 100'000) << "the fuzz must actually play";
    EXPECT_EQ(host.height, kStart + game::kWindowGrowth) << "the splash was clicked at some point";
    std::printf("%ld game ticks; sets %s:%s\n", ticks, form.Label9.Caption.c_str(),
                form.Label11.Caption.c_str());
}

}  // namespace
