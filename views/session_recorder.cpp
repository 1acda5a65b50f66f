#include "views/session_recorder.h"

#include "flow/script_words.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <utility>

namespace views {

SessionRecorder::SessionRecorder(tk::Host& host, const QString& path) : host_(host), path_(path) {
    if (path.isEmpty())
        return;  // no recording asked for: a plain pass to the host
    file_ = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file_) {
        std::fprintf(stderr, "smashbol: cannot record to %s: %s; playing on without a recording\n",
                     qPrintable(path_), std::strerror(errno));
        return;
    }
    write("# smashbol session: replay with smashbol-trace < " + path_.toStdString() + "\n");
}

SessionRecorder::~SessionRecorder() {
    if (file_)
        std::fclose(file_);
}

std::string SessionRecorder::lineOf(void (flow::MainWindow::*handler)()) {
    for (const flow::TickWord& word : flow::kTickWords) {
        if (handler == word.tick)
            return word.name;
    }
    for (const flow::HandlerWord& word : flow::kMenuWords) {
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
    if (!file_)
        return;
    const bool tick = event.line.rfind("tick", 0) == 0;
    if (!tick || !event.rnd.empty())
        flushTicks();
    if (!event.rnd.empty()) {
        std::string rnd = "rnd";
        for (float value : event.rnd) {
            char buffer[32];
            auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
            rnd += ' ' + std::string(buffer, ptr);
        }
        write(rnd + "\n");
    }
    if (tick)
        return addTick(event.line);
    if (event.line.empty())
        return;
    write(event.line + "\n");
    // A key or a command is worth keeping should the game be killed a moment later.
    if (file_ && std::fflush(file_) != 0)
        stop(std::strerror(errno));
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

void SessionRecorder::flushTicks() {
    closeRound();
    writeRuns();
    writeSingles();
}

void SessionRecorder::write(const std::string& text) {
    if (file_ && std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        stop(std::strerror(errno));
}

void SessionRecorder::stop(const char* why) {
    std::fprintf(stderr, "smashbol: recording to %s stopped: %s\n", qPrintable(path_), why);
    std::fclose(file_);
    file_ = nullptr;
}

void SessionRecorder::finish(const flow::MainWindow& form) {
    if (finished_ || !file_)
        return;
    finished_ = true;
    while (!open_.empty())
        end();
    flushTicks();
    write("print\n# " + flow::stateReport(form, effects_) + "\n");
    if (file_ && std::fflush(file_) != 0)
        stop(std::strerror(errno));
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
    if (!open_.empty() && !open_.back().written)
        open_.back().rnd.push_back(value);
    else {
        Pending outside{"", {value}, false};  // drawn outside any event: never expected
        writePending(outside);
    }
    return value;
}

void SessionRecorder::setFormHeight(float twips) {
    effects_.heightAdded += static_cast<double>(twips) - static_cast<double>(host_.formHeight());
    host_.setFormHeight(twips);
}

}  // namespace views
