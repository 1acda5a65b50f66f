// What the player chose and the game remembers between runs: the zoom, full screen, auto-pause,
// the timing of 2002, the sound and the language. Kept in an INI file in the user's config
// folder, read and written as the running game reads and writes it; nothing is written until a
// setting changes, and a file that cannot be read or written leaves the defaults with one line
// on standard error.
#pragma once

#include <QString>

#include <optional>
#include <string>

#include "engine/running/settings.h"

namespace views {

// Shows the game in `chosen` ("cs", "en"), or, when empty, in the language the desktop asks
// for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
void showLanguage(const std::string& chosen);

class PreferenceStore {
  public:
    // The standard per-user location (~/.config/smashbol/smashbol.ini), or a file of the
    // caller's choosing (tests).
    PreferenceStore();
    explicit PreferenceStore(QString path);

    // The remembered preferences; the defaults for whatever is missing or unreadable.
    running::Settings load();

    // Writes what differs from what was loaded. Returns false (after one line on standard
    // error, once per run) when the file cannot be written.
    bool save(const running::Settings& settings);

    const QString& path() const { return path_; }

  private:
    QString path_;
    std::optional<running::Settings> stored_;
    bool complained_ = false;
};

}  // namespace views
