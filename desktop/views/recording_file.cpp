#include "desktop/views/recording_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace views {

std::unique_ptr<RecordingFile> RecordingFile::open(const QString& path) {
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file) {
        std::fprintf(stderr, "smashbol: cannot record to %s: %s; playing on without a recording\n",
                     qPrintable(path), std::strerror(errno));
        return nullptr;
    }
    return std::unique_ptr<RecordingFile>(new RecordingFile(file, path));
}

RecordingFile::~RecordingFile() {
    if (file_)
        std::fclose(file_);
}

bool RecordingFile::write(std::string_view text) {
    return file_ && (std::fwrite(text.data(), 1, text.size(), file_) == text.size() ||
                     stop(std::strerror(errno)));
}

bool RecordingFile::flush() {
    return file_ && (std::fflush(file_) == 0 || stop(std::strerror(errno)));
}

bool RecordingFile::stop(const char* why) {
    std::fprintf(stderr, "smashbol: recording to %s stopped: %s\n", qPrintable(path_), why);
    std::fclose(file_);
    file_ = nullptr;
    return false;
}

RecordingText readRecording(const QString& path) {
    RecordingText read;
    const std::string name = path.toStdString();
    running::RecordingReader reader(name, false);
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    char piece[1 << 16];
    bool more = file != nullptr;
    while (more) {
        const std::size_t n = std::fread(piece, 1, sizeof piece, file);
        more = n > 0 && reader.feed({piece, n});
        if (more)
            read.text.append(piece, n);
    }
    // A folder opens, and fails at the first read.
    if (!file || std::ferror(file)) {
        read.check.message = name + ": cannot be read: " + std::strerror(errno);
        read.text.clear();
    } else {
        read.check = reader.finish();
    }
    if (file)
        std::fclose(file);
    if (!read.check.ok)
        read.text = {};
    return read;
}

}  // namespace views
