// What the program keeps on disk: the player's settings in %APPDATA%\smashbol\smashbol.ini (the
// desktop's INI form), and a session recorded with --record.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "engine/flow/session_recorder.h"
#include "engine/running/settings.h"

namespace win {

class SettingsFile {
  public:
    SettingsFile();  // the player's own file
    explicit SettingsFile(std::wstring path) : path_(std::move(path)) {}
    const std::wstring& path() const { return path_; }
    // What the file holds, the defaults for whatever it lacks or cannot give.
    running::Settings load() const;
    // The settings written whole; false (and said once on the console) when they cannot be.
    bool save(const running::Settings& settings);

  private:
    std::wstring path_;  // empty: no folder to keep them in
    bool complained_ = false;
};

// A recording written to a file; it stops, saying why, when the file takes no more.
class RecordingFile final : public flow::RecordingSink {
  public:
    // None (said on the console) when the file cannot be made.
    static std::unique_ptr<RecordingFile> open(const std::wstring& path);
    ~RecordingFile() override;
    bool write(std::string_view text) override;
    bool flush() override;

  private:
    explicit RecordingFile(std::FILE* file) : file_(file) {}
    bool stop();
    std::FILE* file_;
};

// A line for the player on the console the program was started from, if any: standard error
// or output where they lead somewhere, else the parent's console, else a message box.
void tell(const std::string& text, bool error);

}  // namespace win
