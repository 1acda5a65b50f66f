// A main window on a scripted host, with helpers to put the court into a known state.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "engine/flow/session.h"
#include "tools/trace/scripted_host.h"

namespace engine_test {

class Court : public ::testing::Test {
  protected:
    std::optional<flow::Session<trace::ScriptedHost>> session{std::in_place};
    // A new session is built where the old one stood, so these keep naming the current one.
    trace::ScriptedHost& host = session->host;
    flow::MainWindow& form = session->form;

    // A new program: nothing of an earlier table row carries over.
    void restart() { session.emplace(); }

    // A fresh window loaded, the splash clicked and the easy level chosen: the ready state.
    void setUpEasyMatch() {
        restart();
        form.Form_Load();
        form.Picture4_Click();
        form.easy_Click();
        host.clearRecords();
    }

    // The ball parked where no sprite can reach it and where it does not move: nothing in a
    // tick but what the test sets up.
    void freezeBall(float left = 1000, float top = 2000) {
        form.ball.Left = left;
        form.ball.Top = top;
        form.ballDirX = tk::Value();
        form.ballStepY = 0;
    }

    // A running match with the ball frozen mid-court.
    void runningMatch() {
        setUpEasyMatch();
        form.Timer1.Enabled = true;
        form.Timer2.Enabled = true;
        freezeBall();
    }
};

}  // namespace engine_test
