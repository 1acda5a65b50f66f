// What the player chose and the game remembers between runs: the zoom, full screen, auto-pause,
// the timing of 2002 and the sound. Kept in an INI file in the user's config folder; nothing is
// written until a setting changes, and a file that cannot be read or written leaves the defaults
// with one line on standard error.
#pragma once

#include <QString>

#include <optional>

namespace views {

struct Preferences {
    int zoom = 0;  // 1 to 4; 0 when never chosen (the window then picks one for the screen)
    bool fullScreen = false;
    bool autoPause = true;
    bool classicTiming = false;
    bool mute = false;

    bool operator==(const Preferences&) const = default;
};

class PreferenceStore {
  public:
    // The standard per-user location (~/.config/smashbol/smashbol.ini), or a file of the
    // caller's choosing (tests).
    PreferenceStore();
    explicit PreferenceStore(QString path);

    // The remembered preferences; the defaults for whatever is missing or unreadable.
    Preferences load();

    // Writes what differs from what was loaded. Returns false (after one line on standard
    // error, once per run) when the file cannot be written.
    bool save(const Preferences& preferences);

    const QString& path() const { return path_; }

  private:
    QString path_;
    std::optional<Preferences> stored_;
    bool complained_ = false;
};

}  // namespace views
