// A recording of the session as it is played, written as a script for smashbol-trace: the load,
// the splash clicks, menu commands, keys, every tick that ran (a run of one timer's ticks as one
// line with a count, or timers taking turns as one line of a round and a count), each value Rnd
// gave before the event that drew it, and at the end the game's own final state. The game talks to
// the world through the recorder, which passes every call on to the real host and notes what the
// replay needs.
#pragma once

#include <QString>

#include <cstdio>
#include <string>
#include <vector>

#include "flow/main_window.h"
#include "flow/state_report.h"
#include "toolkit/core/host.h"

namespace views {

class SessionRecorder : public tk::Host {
  public:
    // Opens `path` for writing; if it cannot, says so in one line on standard error and the
    // game plays on unrecorded. With an empty path it only passes everything on.
    SessionRecorder(tk::Host& host, const QString& path);
    ~SessionRecorder() override;
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    bool recording() const { return file_ != nullptr; }

    // One event of the main window, as a script line ("keydown 39", "tick1", "menu easy"),
    // around the handler that takes it. Events may nest: a modal window's ticks come inside
    // the menu command that opened it, and are written after it.
    void begin(std::string line);
    void end();

    // The closing `print` and, as a comment, the state the replay must end in. Once.
    void finish(const flow::MainWindow& form);

    // The script line of a handler without arguments (a comment for one a script cannot name).
    static std::string lineOf(void (flow::MainWindow::*handler)());

    tk::Picture picture(std::string_view owner) override { return host_.picture(owner); }
    tk::Resource LoadResData(int id, std::string_view type) override;
    void playWaveImage(std::span<const std::uint8_t> waveImage) override;
    void MsgBox(std::string_view text) override;
    void Sleep(int milliseconds) override;
    void Randomize() override { host_.Randomize(); }
    float Rnd() override;
    void showModal(std::string_view form) override { host_.showModal(form); }
    void Unload(std::string_view form) override { host_.Unload(form); }
    float formHeight() override { return host_.formHeight(); }
    void setFormHeight(float twips) override;

  private:
    struct Pending {
        std::string line;
        std::vector<float> rnd;
        bool written = false;
    };
    void writePending(Pending& event);
    void write(const std::string& text);
    void addTick(const std::string& verb);
    void closeRound();
    void writeRuns();
    void writeSingles();
    void flushTicks();
    void stop(const char* why);

    tk::Host& host_;
    QString path_;
    std::FILE* file_ = nullptr;
    std::vector<Pending> open_;  // events whose handlers are running, outermost first
    // Ticks not yet written: the round being made (each timer at most once, in the order they
    // ran), and the last round with how many times it came in a row.
    std::vector<std::string> round_, run_;
    long runCount_ = 0;
    std::string single_;  // one timer's ticks in a row, as "tick4 9"
    long singleCount_ = 0;
    flow::OutsideEffects effects_;
    int lastLoaded_ = 0;
    bool finished_ = false;
};

}  // namespace views
