#include "desktop/views/session_recorder.h"

#include <cerrno>
#include <cstring>

namespace views {

// A file that says in one line on standard error why it stopped taking the recording.
class SessionRecorder::FileSink final : public flow::RecordingSink {
  public:
    FileSink(std::FILE* file, const QString& path) : file_(file), path_(path) {}
    ~FileSink() override {
        if (file_)
            std::fclose(file_);
    }
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool write(std::string_view text) override {
        return file_ && (std::fwrite(text.data(), 1, text.size(), file_) == text.size() ||
                         stop(std::strerror(errno)));
    }
    bool flush() override {
        return file_ && (std::fflush(file_) == 0 || stop(std::strerror(errno)));
    }

  private:
    bool stop(const char* why) {
        std::fprintf(stderr, "smashbol: recording to %s stopped: %s\n", qPrintable(path_), why);
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }

    std::FILE* file_;
    QString path_;
};

SessionRecorder::SessionRecorder(tk::Host& host, const QString& path)
    : flow::SessionRecorder(host) {
    if (path.isEmpty())
        return;  // no recording asked for: a plain pass to the host
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file) {
        std::fprintf(stderr, "smashbol: cannot record to %s: %s; playing on without a recording\n",
                     qPrintable(path), std::strerror(errno));
        return;
    }
    file_ = std::make_unique<FileSink>(file, path);
    recordTo(*file_, path.toStdString());
}

// The recorder lets go of the sink before it closes.
SessionRecorder::~SessionRecorder() {
    stop();
}

}  // namespace views
