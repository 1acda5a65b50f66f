#include "engine/core/translation.h"

#include <algorithm>
#include <utility>

namespace tk {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;

std::uint32_t readWord(std::span<const std::uint8_t> bytes, std::size_t at, bool bigEndian) {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t byte = bytes[at + static_cast<std::size_t>(bigEndian ? i : 3 - i)];
        word = (word << 8) | byte;
    }
    return word;
}

// The language of one wish: "en_GB.UTF-8@euro" (a locale) and "en-GB" (a browser's) are
// "en"; "C" and "POSIX" (with any codeset) stand for no translation.
std::string_view languageOf(std::string_view wish) {
    const std::size_t end = wish.find_first_of("_-.@");
    std::string_view language = wish.substr(0, end);
    if (language == "C" || language == "POSIX")
        return "cs";
    return language;
}

}  // namespace

Translation::Translation(std::string code, std::span<const std::uint8_t> mo)
    : code_(std::move(code)), valid_(false) {
    const std::span<const std::uint8_t> bytes = mo;
    if (bytes.size() < 28)
        return;
    const std::uint32_t magic = readWord(bytes, 0, false);
    if (magic != kMagic && magic != kMagicSwapped)
        return;
    const bool big = magic == kMagicSwapped;
    const std::uint32_t count = readWord(bytes, 8, big);
    const std::uint32_t sources = readWord(bytes, 12, big);
    const std::uint32_t translations = readWord(bytes, 16, big);
    // A text as a table row says it: its length, then its offset; msgfmt ends it with a zero.
    const auto text = [&](std::uint32_t table, std::uint32_t i, std::string_view& out) {
        const std::size_t row = static_cast<std::size_t>(table) + 8u * i;
        if (row + 8 > bytes.size())
            return false;
        const std::size_t length = readWord(bytes, row, big);
        const std::size_t offset = readWord(bytes, row + 4, big);
        if (offset > bytes.size() || length >= bytes.size() - offset)
            return false;
        out = {reinterpret_cast<const char*>(bytes.data()) + offset, length};
        return true;
    };
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        Entry entry;
        if (!text(sources, i, entry.source) || !text(translations, i, entry.translated))
            return;
        if (!entry.source.empty())  // the catalogue's own header
            entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.source < b.source; });
    entries_ = std::move(entries);
    valid_ = true;
}

std::string_view Translation::text(std::string_view czech) const {
    const auto found = std::lower_bound(
        entries_.begin(), entries_.end(), czech,
        [](const Entry& entry, std::string_view key) { return entry.source < key; });
    if (found == entries_.end() || found->source != czech || found->translated.empty())
        return czech;
    return found->translated;
}

bool Translation::has(std::string_view czech) const {
    return text(czech).data() != czech.data();
}

std::string pickLanguage(std::string_view wishes, std::span<const EmbeddedCatalogue> catalogues) {
    while (!wishes.empty()) {
        const std::size_t colon = wishes.find(':');
        const std::string_view language = languageOf(wishes.substr(0, colon));
        wishes = colon == std::string_view::npos ? std::string_view{} : wishes.substr(colon + 1);
        if (language == "cs")
            return "cs";
        for (const EmbeddedCatalogue& catalogue : catalogues) {
            if (catalogue.code == language)
                return std::string(language);
        }
    }
    return "cs";
}

std::string wishesOfEnvironment(const std::function<const char*(const char*)>& getenv) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (value && *value)
            return value;
    }
    return {};
}

namespace {
Translation& shown() {
    static Translation translation;
    return translation;
}
}  // namespace

const Translation& shownLanguage() {
    return shown();
}

void showLanguage(Translation translation) {
    shown() = std::move(translation);
}

}  // namespace tk
