// Walking the player's sprite: step size by level and the edge bounds. The walking frames are
// replayed by the trace fixtures.
#include <string>

#include "tests/engine/court_fixture.h"

namespace engine_test {
namespace {

using HumanPlayer = Court;

TEST_F(HumanPlayer, StepsAndEdgeBounds) {
    struct Row {
        const char* name;
        void (flow::MainWindow::*level)();
        float left;
        const char* dir;  // nullptr: never set
        float leftAfter;
        const char* frame;
    } rows[] = {
        {"easy steps 70", &flow::MainWindow::easy_Click, 1000, "left", 930, "l1"},
        {"medium steps 140", &flow::MainWindow::med_Click, 1000, "left", 860, "l1"},
        {"hard steps 190", &flow::MainWindow::hard_Click, 1000, "right", 1190, "r1"},
        {"from 50 one step lands past the edge", &flow::MainWindow::easy_Click, 50, "left", -20,
         "l1"},
        {"from exactly 0 the step is still taken", &flow::MainWindow::easy_Click, 0, "left", -70,
         "l1"},
        {"from below 0 the step is refused", &flow::MainWindow::easy_Click, -20, "left", -20, "l1"},
        {"from exactly 3480 the step is still taken", &flow::MainWindow::easy_Click, 3480, "right",
         3550, "r1"},
        {"from above 3480 it is refused", &flow::MainWindow::easy_Click, 3481, "right", 3481, "r1"},
        {"hard reaches 3670 past the court", &flow::MainWindow::hard_Click, 3480, "right", 3670,
         "r1"},
        {"a fraction stays single", &flow::MainWindow::easy_Click, 1777.5f, "left", 1707.5f, "l1"},
        {"an unset direction stands", &flow::MainWindow::easy_Click, 1000, nullptr, 1000, "n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runningMatch();
        std::invoke(row.level, form);
        form.man.setPicture(form.l2.picture());
        form.man.Left = row.left;
        form.manKeyDir = row.dir ? tk::Value(row.dir) : tk::Value();
        form.Timer2_Timer();
        EXPECT_EQ(form.man.Left, row.leftAfter);
        EXPECT_EQ(form.Label1.Caption, row.dir ? row.dir : "Label1")
            << "the direction is echoed even when the step is refused";
        EXPECT_EQ(form.man.picture().owner(), row.frame) << "the frame flips even when refused";
    }
}

}  // namespace
}  // namespace engine_test
