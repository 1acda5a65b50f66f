// The desktop's recording of a session (--record FILE): the file the running game writes its
// script to, each key and command flushed as it comes. A file that cannot be opened or written
// says why in one line on standard error, and the game plays on unrecorded. And one to watch
// (--replay FILE), read and checked as it comes.
#pragma once

#include <QString>

#include <cstdio>
#include <memory>
#include <string>

#include "engine/flow/session_recorder.h"
#include "engine/running/recording_check.h"

namespace views {

class RecordingFile final : public flow::RecordingSink {
  public:
    // Null when the file cannot be opened (after the line on standard error).
    static std::unique_ptr<RecordingFile> open(const QString& path);
    ~RecordingFile() override;
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    bool write(std::string_view text) override;
    bool flush() override;

  private:
    RecordingFile(std::FILE* file, const QString& path) : file_(file), path_(path) {}
    bool stop(const char* why);

    std::FILE* file_;
    QString path_;
};

// A player's recording read a piece at a time and checked as it comes, so that no more of a file
// is read than a recording may hold. `text` is the file as read, its timing header included, to
// watch when `check.ok`; a file that cannot be read is refused as "PATH: cannot be read: why".
struct RecordingText {
    running::ScriptCheck check;
    std::string text;
};
RecordingText readRecording(const QString& path);

}  // namespace views
