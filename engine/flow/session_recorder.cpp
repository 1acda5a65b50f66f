#include "engine/flow/session_recorder.h"

#include <algorithm>
#include <utility>

#include "engine/core/number_text.h"
#include "engine/flow/script_words.h"

namespace flow {

namespace {

std::string timingLine(Clock::Timing timing) {
    return std::string("# timing ") + (timing == Clock::Timing::Classic ? "classic" : "steady") +
           "\n";
}

}  // namespace

void SessionRecorder::recordTo(RecordingSink& sink, std::string_view name,
                               std::optional<Clock::Timing> timing) {
    sink_ = &sink;
    // A recording may come from anyone: --replay checks it whole and writes no file.
    write("# smashbol session: replay with smashbol-trace --replay " + std::string(name) + "\n");
    if (timing)
        write(timingLine(*timing));
}

void SessionRecorder::timingChanged(Clock::Timing timing) {
    if (!sink_)
        return;
    catchUp();  // the ticks so far went at the old pace
    write(timingLine(timing));
}

std::string SessionRecorder::lineOf(void (MainWindow::*handler)()) {
    for (const TickWord& word : kTickWords) {
        if (handler == word.tick)
            return word.name;
    }
    for (const HandlerWord& word : kMenuWords) {
        if (handler == word.handle)
            return std::string("menu ") + word.name;
    }
    return "# here the game ran a handler a script cannot name";
}

void SessionRecorder::begin(std::string line) {
    // An event inside another (a tick behind a modal window) comes after the one that opened it.
    if (!open_.empty() && !open_.back().written)
        writePending(open_.back());
    open_.push_back({std::move(line), {}, false});
}

void SessionRecorder::end() {
    if (open_.empty())
        return;
    if (!open_.back().written)
        writePending(open_.back());
    open_.pop_back();
}

void SessionRecorder::writePending(Pending& event) {
    event.written = true;
    if (!sink_)
        return;
    const bool tick = event.line.rfind("tick", 0) == 0;
    if (!tick || !event.rnd.empty())
        catchUp();
    if (!event.rnd.empty()) {
        std::string rnd = "rnd";
        for (const float value : event.rnd)
            rnd += ' ' + tk::shortestText(value);
        write(rnd + "\n");
    }
    if (tick)
        return addTick(event.line);
    if (event.line.empty())
        return;
    write(event.line + "\n");
    // A key or a command is worth keeping should the game be killed a moment later.
    flushSink();
}

void SessionRecorder::addTick(const std::string& verb) {
    if (std::find(round_.begin(), round_.end(), verb) != round_.end())
        closeRound();
    round_.push_back(verb);
}

void SessionRecorder::closeRound() {
    if (round_.empty())
        return;
    if (round_ == run_) {
        ++runCount_;
    } else {
        writeRuns();
        run_ = round_;
        runCount_ = 1;
    }
    round_.clear();
}

void SessionRecorder::writeRuns() {
    if (runCount_ == 0)
        return;
    if (run_.size() > 1 && runCount_ > 1) {
        writeSingles();
        std::string line;
        for (const std::string& verb : run_)
            line += verb + " ";
        write(line + std::to_string(runCount_) + "\n");
    } else {
        // A round that came once is its ticks one by one, counted with their neighbours: a
        // 1 ms timer beside a 10 ms one gives "tick4 9", "tick1", not rounds that never repeat.
        for (const std::string& verb : run_) {
            if (verb != single_)
                writeSingles();
            single_ = verb;
            singleCount_ += run_.size() > 1 ? 1 : runCount_;
        }
    }
    run_.clear();
    runCount_ = 0;
}

void SessionRecorder::writeSingles() {
    if (singleCount_ > 0)
        write(single_ + (singleCount_ > 1 ? " " + std::to_string(singleCount_) : "") + "\n");
    single_.clear();
    singleCount_ = 0;
}

void SessionRecorder::catchUp() {
    closeRound();
    writeRuns();
    writeSingles();
}

void SessionRecorder::write(const std::string& text) {
    if (sink_ && !sink_->write(text))
        sink_ = nullptr;
}

void SessionRecorder::flushSink() {
    if (sink_ && !sink_->flush())
        sink_ = nullptr;
}

std::string SessionRecorder::closing(const MainWindow& form) const {
    return "print\n# " + stateReport(form, effects_) + "\n";
}

void SessionRecorder::finish(const MainWindow& form) {
    if (finished_ || !sink_)
        return;
    finished_ = true;
    while (!open_.empty())
        end();
    catchUp();
    write(closing(form));
    flushSink();
}

tk::Resource SessionRecorder::LoadResData(int id, std::string_view type) {
    tk::Resource resource = host_.LoadResData(id, type);
    if (resource.error == 0)
        lastLoaded_ = id;
    return resource;
}

void SessionRecorder::playWaveImage(std::span<const std::uint8_t> waveImage) {
    effects_.clips.push_back(lastLoaded_);
    host_.playWaveImage(waveImage);
}

void SessionRecorder::MsgBox(std::string_view text) {
    effects_.messages.emplace_back(text);
    host_.MsgBox(text);
}

void SessionRecorder::Sleep(int milliseconds) {
    effects_.sleeps.push_back(milliseconds);
    host_.Sleep(milliseconds);
}

float SessionRecorder::Rnd() {
    const float value = host_.Rnd();
    if (!open_.empty() && !open_.back().written) {
        open_.back().rnd.push_back(value);
    } else {
        Pending outside{"", {value}, false};  // drawn outside any event: never expected
        writePending(outside);
    }
    return value;
}

void SessionRecorder::setFormHeight(float twips) {
    effects_.heightAdded += static_cast<double>(twips) - static_cast<double>(host_.formHeight());
    host_.setFormHeight(twips);
}

}  // namespace flow
