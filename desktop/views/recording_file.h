// The desktop's recording of a session (--record FILE): the file the running game writes its
// script to, each key and command flushed as it comes. A file that cannot be opened or written
// says why in one line on standard error, and the game plays on unrecorded.
#pragma once

#include <QString>

#include <cstdio>
#include <memory>

#include "engine/flow/session_recorder.h"

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

}  // namespace views
