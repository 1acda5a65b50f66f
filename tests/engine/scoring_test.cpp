// Points, sets and the end of a match. The serve after a point and the match's end one tick after
// its last point are replayed by the trace fixtures.
#include <array>
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Scoring = Court;
using Score = std::array<const char*, 4>;  // man's points, pc's points, man's sets, pc's sets

TEST_F(Scoring, OutIsStrictAtBothEndsAndASetNeedsSixPointsAndALeadOfTwo) {
    struct Row {
        const char* name;
        float top;  // -1: out at the top, the player's point; 4096: out at the bottom
        Score before, after;
    } rows[] = {
        {"top edge exactly 0 is in play", 0, {"5", "3", "0", "0"}, {"5", "3", "0", "0"}},
        {"exactly the court's height is in play", 4095, {"3", "5", "0", "0"}, {"3", "5", "0", "0"}},
        {"5:3 and the player's point wins a set", -1, {"5", "3", "0", "0"}, {"0", "0", "1", "0"}},
        {"5:5 to 6:5 is no set", -1, {"5", "5", "0", "0"}, {"6", "5", "0", "0"}},
        {"6:5 to 7:5 wins it", -1, {"6", "5", "1", "0"}, {"0", "0", "2", "0"}},
        {"9:9 to 10:9 is no set", -1, {"9", "9", "0", "1"}, {"10", "9", "0", "1"}},
        {"10:9 to 11:9 wins it", -1, {"10", "9", "0", "1"}, {"0", "0", "1", "1"}},
        {"5:0 to 6:0 wins it", -1, {"5", "0", "0", "0"}, {"0", "0", "1", "0"}},
        {"4:0 to 5:0 is no set, lead or not", -1, {"4", "0", "0", "0"}, {"5", "0", "0", "0"}},
        {"3:5 and the computer's point wins its set",
         4096,
         {"3", "5", "0", "0"},
         {"0", "0", "0", "1"}},
        {"5:6 to 5:7 wins it", 4096, {"5", "6", "0", "0"}, {"0", "0", "0", "1"}},
        {"5:5 to 5:6 is no set", 4096, {"5", "5", "0", "0"}, {"5", "6", "0", "0"}},
        {"11:12 to 11:13 wins it", 4096, {"11", "12", "1", "1"}, {"0", "0", "1", "2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        tk::Label* labels[] = {&form.Label2, &form.Label4, &form.Label9, &form.Label11};
        for (int i = 0; i < 4; ++i)
            labels[i]->Caption = row.before[i];
        form.ball.Top = row.top;
        form.Timer1_Timer();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(labels[i]->Caption, row.after[i]) << labels[i]->name;
        const bool point = row.top < 0 || row.top > 4095;
        const std::vector<int> clips = !point ? std::vector<int>{}
                                       : std::string(row.after[0]) == "0"
                                           ? std::vector<int>{8, 7, 1}
                                           : std::vector<int>{8, 1};
        EXPECT_EQ(host.clips, clips) << "point, then set, then the serve's knock";
    }
}

TEST_F(Scoring, TwoSetsEndTheMatchOnTheNextTick) {
    struct Row {
        const char* manSets;
        const char* pcSets;
        const char* message;
    } rows[] = {
        {"2", "0", "Vyhrál jsi !!!!"},
        {"2", "1", "Vyhrál jsi !!!!"},
        {"1", "2", "Prohrál jsi !!!!"},
        {"1", "1", ""},
        {"2", "2", ""},  // matches neither test
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.manSets) + ":" + row.pcSets);
        runningMatch();
        form.Label9.Caption = row.manSets;
        form.Label11.Caption = row.pcSets;
        form.Timer1_Timer();
        const bool over = std::string(row.message) != "";
        EXPECT_EQ(form.Label12.Caption, row.message);
        EXPECT_EQ(form.Timer1.Enabled, !over);
        EXPECT_EQ(form.Timer2.Enabled, !over);
        EXPECT_EQ(form.man.Visible && form.pc.Visible && form.ball.Visible, !over);
        EXPECT_EQ(form.man.Visible || form.pc.Visible || form.ball.Visible, !over);
        EXPECT_TRUE(host.clips.empty()) << "no clip marks the end of a match";
    }
}

}  // namespace
}  // namespace engine_test
