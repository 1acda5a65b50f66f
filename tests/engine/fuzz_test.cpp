// A million random events into the main window, with the game's invariants checked after each.
// The invariants hold for the rules as they are, quirks included: a decided match can be played
// on blind when the arrows restart its timers.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "flow/session.h"
#include "tools/trace/scripted_host.h"

namespace {

bool isDigits(const std::string& s) {
    if (s.empty())
        return false;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool finite(const tk::Control& c) {
    return std::isfinite(c.Left) && std::isfinite(c.Top);
}

TEST(EngineFuzz, AMillionRandomEventsKeepTheInvariants) {
    flow::Session<trace::ScriptedHost> session;
    auto& [host, module1, form] = session;
    std::mt19937 random(20021);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    form.Form_Load();

    constexpr long kEvents = 1'000'000;
    long ticks = 0;
    const float kStart = trace::ScriptedHost::kStartHeight;
    for (long i = 0; i < kEvents; ++i) {
        const unsigned roll = random() % 100;
        if (host.rnd.size() < 4)
            host.queueRnd({std::nextafter(unit(random), 0.0f)});
        if (roll < 60) {
            // The timers tick far more often than anything else happens.
            if (form.Timer1.Enabled)
                form.Timer1_Timer(), ++ticks;
            if (form.Timer2.Enabled)
                form.Timer2_Timer();
            if (form.Timer4.Enabled)
                form.Timer4_Timer();
        } else if (roll < 75) {
            const int key = random() % 3 == 0 ? static_cast<int>(random() % 65536)
                                              : std::array{37, 38, 39, 40, 80}[random() % 5];
            form.Form_KeyDown(key, static_cast<int>(random() % 8));
        } else if (roll < 88) {
            form.Form_KeyUp(static_cast<int>(random() % 65536), 0);
        } else if (roll < 90) {
            random() % 2 ? form.Picture4_Click() : form.Label5_Click();
        } else {
            switch (random() % 8) {
                case 0:
                    form.easy_Click();
                    break;
                case 1:
                    form.med_Click();
                    break;
                case 2:
                    form.hard_Click();
                    break;
                case 3:
                    form.exit_Click();
                    break;
                case 4:
                    form.hra_Click();
                    break;
                case 5:
                    form.about_Click();
                    break;
                default:
                    break;  // mostly leave the match to play on
            }
        }

        for (const tk::Label* score : {&form.Label2, &form.Label4, &form.Label9, &form.Label11}) {
            ASSERT_TRUE(isDigits(score->Caption))
                << score->name << " = " << score->Caption << " at event " << i;
        }
        ASSERT_TRUE(form.Label12.Caption.empty() || form.Label12.Caption == game::kYouWon ||
                    form.Label12.Caption == game::kYouLost)
            << form.Label12.Caption;
        ASSERT_EQ(form.man.Top, 3480) << "event " << i;
        ASSERT_EQ(form.pc.Top, 240) << "event " << i;
        ASSERT_TRUE(finite(form.man) && finite(form.pc) && finite(form.ball)) << "event " << i;
        ASSERT_TRUE(host.height == kStart || host.height == kStart + game::kWindowGrowth)
            << "the window grows at most once, by 200 twips";
        if (host.log.size() > 4096)
            host.clearRecords();
    }
    EXPECT_GT(ticks, 100'000) << "the fuzz must actually play";
    EXPECT_EQ(host.height, kStart + game::kWindowGrowth) << "the splash was clicked at some point";
    std::printf("%ld game ticks; sets %s:%s\n", ticks, form.Label9.Caption.c_str(),
                form.Label11.Caption.c_str());
}

}  // namespace
