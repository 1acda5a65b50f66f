// The desktop's recording of a session (--record FILE): the recorder of flow/ writing its script
// to a file, each key and command flushed as it comes.
#pragma once

#include <QString>

#include <memory>

#include "engine/flow/session_recorder.h"

namespace views {

class SessionRecorder : public flow::SessionRecorder {
  public:
    // Opens `path` for writing; if it cannot, says so in one line on standard error and the
    // game plays on unrecorded. With an empty path it only passes everything on.
    SessionRecorder(tk::Host& host, const QString& path);
    ~SessionRecorder() override;

  private:
    class FileSink;
    std::unique_ptr<FileSink> file_;
};

}  // namespace views
