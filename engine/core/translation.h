// The game speaks Czech; a translation changes only what a player reads. The rules, the state
// report and the recordings keep the Czech captions, and whatever draws or shows a text (the
// renderer, the menus, the dialogs, the message box) asks `tr` for the words of the language
// shown. Translations come as gettext message catalogues (.mo images), compiled from the .po
// files at build time and carried inside the program.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// One language's catalogue: the Czech text as the key, the translation as the value.
class Translation {
  public:
    // Czech, the game's own: every text as it stands.
    Translation() = default;
    // Reads a .mo image (either byte order), which must outlive the translation (the program's
    // own are static). An image that is not one, or whose tables point outside it, gives
    // nothing: `valid()` is false and every text stays Czech.
    Translation(std::string code, std::span<const std::uint8_t> mo);

    const std::string& code() const { return code_; }  // "cs" for the game's own
    bool valid() const { return valid_; }
    std::size_t size() const { return entries_.size(); }

    // The translation of `czech`, or `czech` itself when the catalogue has none (or an empty one).
    std::string_view text(std::string_view czech) const;
    bool has(std::string_view czech) const;

    struct Entry {
        std::string_view source, translated;
    };
    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::string code_ = "cs";
    std::vector<Entry> entries_;  // sorted by source; they point into the image
    bool valid_ = true;
};

// The languages with a catalogue inside the program, besides Czech.
struct EmbeddedCatalogue {
    std::string_view code;  // "en"
    std::span<const std::uint8_t> mo;
};

// Which language to show, from a list of wishes as gettext reads them: the first entry of a
// colon-separated list ("de:en_GB.UTF-8", or a browser's "de-DE:en-US") whose language is Czech or
// has a catalogue. "C", "POSIX" ("C.UTF-8" too), a list with no such entry, or nothing at all gives
// Czech.
std::string pickLanguage(std::string_view wishes, std::span<const EmbeddedCatalogue> catalogues);

// The wishes of the environment in gettext's order: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG,
// the first that is set and not empty. (gettext ignores LANGUAGE under the "C" locale; the game
// does not, so that LANGUAGE=en alone gives English.)
std::string wishesOfEnvironment(const std::function<const char*(const char*)>& getenv);

// The language shown by this process (Czech until told otherwise) and its words.
const Translation& shownLanguage();
void showLanguage(Translation translation);
inline std::string_view tr(std::string_view czech) {
    return shownLanguage().text(czech);
}

}  // namespace tk
