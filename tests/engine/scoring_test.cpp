// Points, sets and the end of a match.
#include <string>
#include <vector>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using Scoring = Court;

struct Score {
    const char* manPoints;
    const char* pcPoints;
    const char* manSets;
    const char* pcSets;
};

TEST_F(Scoring, ASetNeedsSixPointsAndALeadOfTwo) {
    struct Row {
        const char* name;
        Score before;
        bool playerScores;
        Score after;
    } rows[] = {
        {"5:3 and a point for the player wins the set",
         {"5", "3", "0", "0"},
         true,
         {"0", "0", "1", "0"}},
        {"5:5 to 6:5 is no set", {"5", "5", "0", "0"}, true, {"6", "5", "0", "0"}},
        {"6:5 to 7:5 wins it", {"6", "5", "1", "0"}, true, {"0", "0", "2", "0"}},
        {"9:9 to 10:9 is no set", {"9", "9", "0", "1"}, true, {"10", "9", "0", "1"}},
        {"10:9 to 11:9 wins it", {"10", "9", "0", "1"}, true, {"0", "0", "1", "1"}},
        {"5:0 to 6:0 wins it", {"5", "0", "0", "0"}, true, {"0", "0", "1", "0"}},
        {"4:0 to 5:0 is no set, lead or not", {"4", "0", "0", "0"}, true, {"5", "0", "0", "0"}},
        {"3:5 and a point for the computer wins its set",
         {"3", "5", "0", "0"},
         false,
         {"0", "0", "0", "1"}},
        {"5:6 to 5:7 wins it for the computer", {"5", "6", "0", "0"}, false, {"0", "0", "0", "1"}},
        {"5:5 to 5:6 is no set", {"5", "5", "0", "0"}, false, {"5", "6", "0", "0"}},
        {"11:12 to 11:13 wins it", {"11", "12", "1", "1"}, false, {"0", "0", "1", "2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.Label2.Caption = row.before.manPoints;
        form.Label4.Caption = row.before.pcPoints;
        form.Label9.Caption = row.before.manSets;
        form.Label11.Caption = row.before.pcSets;
        form.ball.Top = row.playerScores ? -1 : 4096;
        form.Timer1_Timer();
        EXPECT_EQ(form.Label2.Caption, row.after.manPoints);
        EXPECT_EQ(form.Label4.Caption, row.after.pcPoints);
        EXPECT_EQ(form.Label9.Caption, row.after.manSets);
        EXPECT_EQ(form.Label11.Caption, row.after.pcSets);
        const bool setWon = std::string(row.after.manPoints) == "0";
        EXPECT_EQ(host.clips, setWon ? std::vector<int>({8, 7, 1}) : std::vector<int>({8, 1}))
            << "point, then set, then the serve's knock";
    }
}

TEST_F(Scoring, TheOutTestsAreStrictAtBothEnds) {
    struct Row {
        const char* name;
        float top;
        const char* manPoints;
        const char* pcPoints;
    } rows[] = {
        {"top edge exactly 0 is in play", 0, "0", "0"},
        {"one twip above the court is the player's point", -1, "1", "0"},
        {"top exactly on the court's height is in play", 4095, "0", "0"},
        {"one twip lower is the computer's point", 4096, "0", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.ball.Top = row.top;
        form.Timer1_Timer();
        EXPECT_EQ(form.Label2.Caption, row.manPoints);
        EXPECT_EQ(form.Label4.Caption, row.pcPoints);
    }
}

TEST_F(Scoring, TheWinnerServesAfterThePause) {
    runningMatch();
    form.man.setPicture(form.l1.picture());  // walking: 255 twips wide
    form.man.Left = 1000;
    form.ballDirY = "up";
    form.ballDirX = "left";
    form.pcStep = "70";
    form.ballStepX = 65;
    form.ball.Top = -1;
    host.queueRnd({0.3f});
    form.Timer1_Timer();
    EXPECT_EQ(form.ball.Top, 3240);
    EXPECT_EQ(form.ball.Left, 1000 + 127.5f) << "the ball's left edge at the server's middle";
    EXPECT_EQ(host.log, (std::vector<std::string>{"clip 8", "sleep 700", "rnd", "clip 2"}));
    EXPECT_TRUE(form.ballDirX == "rovne");
    EXPECT_EQ(form.pcStep.kind(), tk::Value::Kind::Whole) << "50 as a number, not the level's text";
    EXPECT_EQ(form.pcStep.number(), 50);
    EXPECT_EQ(form.ballStepX.number(), 40);
    EXPECT_TRUE(form.ballDirY == "up") << "the serve flies on away from the server";

    host.clearRecords();
    form.pc.Left = 2000;
    form.ball.Top = 4096;
    form.Timer1_Timer();
    EXPECT_EQ(form.ball.Top, 650);
    EXPECT_EQ(form.ball.Left, 2000 + 150) << "pc is 300 twips wide standing";
}

TEST_F(Scoring, TwoSetsEndTheMatchOnTheNextTick) {
    struct Row {
        const char* name;
        const char* manSets;
        const char* pcSets;
        const char* message;
    } rows[] = {
        {"2:0 the player has won", "2", "0", "Vyhrál jsi !!!!"},
        {"2:1 the player has won", "2", "1", "Vyhrál jsi !!!!"},
        {"1:2 the computer has won", "1", "2", "Prohrál jsi !!!!"},
        {"1:1 goes on", "1", "1", ""},
        {"2:2 matches neither test", "2", "2", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        form.Label9.Caption = row.manSets;
        form.Label11.Caption = row.pcSets;
        form.Timer1_Timer();
        const bool over = std::string(row.message) != "";
        EXPECT_EQ(form.Label12.Caption, row.message);
        EXPECT_EQ(form.Timer1.Enabled, !over);
        EXPECT_EQ(form.Timer2.Enabled, !over);
        EXPECT_EQ(form.man.Visible, !over);
        EXPECT_EQ(form.pc.Visible, !over);
        EXPECT_EQ(form.ball.Visible, !over);
        EXPECT_TRUE(host.clips.empty()) << "no clip marks the end of a match";
    }
}

TEST_F(Scoring, TheSecondSetIsWonOneTickBeforeTheMessage) {
    runningMatch();
    form.Label9.Caption = "1";
    form.Label2.Caption = "5";
    form.ball.Top = -1;
    form.Timer1_Timer();
    EXPECT_EQ(form.Label9.Caption, "2");
    EXPECT_EQ(form.Label12.Caption, "") << "the point's own tick shows no message yet";
    EXPECT_TRUE(form.Timer1.Enabled);
    form.Timer1_Timer();
    EXPECT_EQ(form.Label12.Caption, game::kYouWon);
    EXPECT_FALSE(form.Timer1.Enabled);
}

}  // namespace
}  // namespace engine_test
