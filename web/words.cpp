// The page's notices and labels, the address read, and the browser's keys named as the game's.
#include "web/words.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <utility>

#include "engine/core/translation.h"
#include "engine/running/settings.h"

namespace web {

namespace {

constexpr const char* shown(const char* czech) {
    return czech;
}

using Values = std::initializer_list<std::pair<std::string_view, std::string>>;

// The text with each "{key}" given its value.
std::string fill(std::string_view text, Values values) {
    std::string out(text);
    for (const auto& [key, value] : values) {
        const std::string mark = "{" + std::string(key) + "}";
        for (std::size_t at = out.find(mark); at != std::string::npos;
             at = out.find(mark, at + value.size()))
            out.replace(at, mark.size(), value);
    }
    return out;
}

// "%C3%A9" and '+' as a browser reads them from an address.
std::string decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto hex = [&](std::size_t at) {
            return at < text.size() && std::isxdigit(static_cast<unsigned char>(text[at]));
        };
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && hex(i + 1) && hex(i + 2)) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A whole number of digits only, 1 to the largest zoom; 0 for anything else.
int zoomOf(const std::string& value) {
    const std::size_t first = value.find_first_not_of('0');
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
        first == std::string::npos || value.size() - first > 2)
        return 0;
    const int zoom = std::stoi(value.substr(first));
    return zoom <= running::Settings::kMaxZoom ? zoom : 0;
}

}  // namespace

std::string noticeText(const Notice& n) {
    const std::string number = std::to_string(n.number);
    switch (n.kind) {
        case NoticeKind::ZoomInvalid:
            return fill(tk::tr("Parametr zoom={value} neplatí (1 až {max}); hra má svou velikost."),
                        {{"value", n.value}, {"max", number}});
        case NoticeKind::UnknownParameter:
            return fill(tk::tr("Parametr {name} hra nezná; platí classic-timing, mute, zoom=N, "
                               "no-auto-pause, record, lang=cs|en."),
                        {{"name", n.name}});
        case NoticeKind::FlagWithValue:
            return fill(tk::tr("Parametr {name}={value} neplatí; {name} se píše bez hodnoty."),
                        {{"name", n.name}, {"value", n.value}});
        case NoticeKind::LanguageUnknown:
            return fill(
                tk::tr("Parametr lang={value} neplatí (cs nebo en); hra mluví jazykem prohlížeče."),
                {{"value", n.value}});
        case NoticeKind::ZoomCut:
            return fill(
                tk::tr(
                    "Zvětšení {value}× se do okna prohlížeče nevejde; hra je zvětšená {shown}×."),
                {{"value", number}, {"shown", std::to_string(n.other)}});
        case NoticeKind::MatchOver:
            return std::string(tk::tr("Zápas skončil."));
        case NoticeKind::GameOver:
            return {};
        case NoticeKind::Refused:
            return fill(tk::tr("Nahrávku hra nepřehraje: {why}"), {{"why", n.value}});
        case NoticeKind::CutShort:
            return fill(tk::tr("Nahrávka se přehraje jen zčásti: {why}"), {{"why", n.value}});
        case NoticeKind::LinkBroken:
            return std::string(tk::tr("Odkaz nenese nahrávku: data za #replay= nejdou rozbalit."));
        case NoticeKind::LinkCopied:
            // A long match's link passes what some programs keep of a link (8 KB): a file is safer.
            return fill(n.number > 8192
                            ? tk::tr("Odkaz na nahrávku ({length} znaků) je ve schránce; "
                                     "tak dlouhý odkaz leckterý program zkrátí, "
                                     "bezpečnější je soubor.")
                            : tk::tr("Odkaz na nahrávku ({length} znaků) je ve schránce."),
                        {{"length", number}});
        case NoticeKind::LinkNotCopied:
            return std::string(tk::tr("Schránka odkaz nepřijala."));
        case NoticeKind::NewVersion:
            return std::string(tk::tr("Nová verze hry je stažená; platí od příštího spuštění."));
    }
    return {};
}

bool offersDownload(NoticeKind kind) {
    return kind == NoticeKind::MatchOver || kind == NoticeKind::GameOver;
}

bool noticeKindNamed(std::string_view name, NoticeKind& kind) {
    static constexpr std::pair<std::string_view, NoticeKind> kNamed[] = {
        {"link-broken", NoticeKind::LinkBroken},
        {"link-copied", NoticeKind::LinkCopied},
        {"link-not-copied", NoticeKind::LinkNotCopied},
        {"new-version", NoticeKind::NewVersion}};
    for (const auto& [named, k] : kNamed) {
        if (named == name) {
            kind = k;
            return true;
        }
    }
    return false;
}

void Notices::add(Notice notice) {
    shown_.push_back({nextId_++, std::move(notice)});
    ++version_;
}

void Notices::dismiss(int id) {
    std::erase_if(shown_, [id](const Shown& s) { return s.id == id; });
    ++version_;
}

Address readAddress(std::string_view search) {
    static constexpr std::pair<std::string_view, int Address::*> kFlags[] = {
        {"classic-timing", &Address::classicTiming},
        {"mute", &Address::mute},
        {"no-auto-pause", &Address::autoPause},
        {"record", &Address::record}};
    Address out;
    if (!search.empty() && search[0] == '?')
        search.remove_prefix(1);
    while (!search.empty()) {
        const std::string_view pair = search.substr(0, search.find('&'));
        search.remove_prefix(std::min(search.size(), pair.size() + 1));
        if (pair.empty())
            continue;
        const std::size_t equals = pair.find('=');
        const std::string name = decoded(pair.substr(0, equals));
        const std::string value =
            equals == std::string_view::npos ? std::string() : decoded(pair.substr(equals + 1));
        const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                       [&](const auto& f) { return f.first == name; });
        if (name == "zoom" && zoomOf(value))
            out.zoom = zoomOf(value);
        else if (name == "zoom")
            out.notices.push_back(
                {NoticeKind::ZoomInvalid, name, value, running::Settings::kMaxZoom});
        else if (name == "lang")
            out.language = value;
        else if (flag == std::end(kFlags))
            out.notices.push_back({NoticeKind::UnknownParameter, name});
        else if (!value.empty())
            out.notices.push_back({NoticeKind::FlagWithValue, name, value});
        else  // no-auto-pause asks for auto-pause off
            out.*(flag->second) = name == "no-auto-pause" ? 0 : 1;
    }
    return out;
}

std::string pageWord(std::string_view name) {
    // shown() marks a text for the translators; tr() gives it in the language shown.
    static constexpr std::pair<std::string_view, const char*> kWords[] = {
        {"close", shown("Zavřít")},
        {"download", shown("Stáhnout nahrávku")},
        {"ended", shown("Hra skončila. Znovu ji spustíte obnovením stránky.")},
        {"left", shown("Doleva")},
        {"pause", shown("Pauza (P)")},
        {"right", shown("Doprava")}};
    for (const auto& [named, czech] : kWords)
        if (named == name)
            return std::string(tk::tr(czech));
    return {};
}

running::Key keyOfBrowser(std::string_view key, std::string_view code, bool shift, bool ctrl,
                          bool alt, bool meta, bool repeat) {
    using N = running::Key::Named;
    static constexpr std::pair<std::string_view, N> kNamed[] = {
        {"ArrowLeft", N::Left},   {"ArrowUp", N::Up}, {"ArrowRight", N::Right},
        {"ArrowDown", N::Down},   {"F10", N::F10},    {"F11", N::F11},
        {"ContextMenu", N::Menu}, {"Alt", N::Alt},    {"Escape", N::Escape},
        {"Enter", N::Enter},      {" ", N::Space},    {"Spacebar", N::Space}};
    running::Key k;
    for (const auto& [name, named] : kNamed)
        if (name == key)
            k.named = named;
    const auto latin = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    if (key.size() == 1 && (latin(key[0]) || key[0] == '+' || key[0] == '-' || key[0] == '='))
        k.symbol = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
    // Where the key lies: "KeyQ", "Digit7", "Numpad7", "Minus", "Equal", "NumpadSubtract".
    const auto after = [&](std::string_view prefix) -> char {
        return code.size() == prefix.size() + 1 && code.starts_with(prefix) && latin(code.back())
                   ? code.back()
                   : 0;
    };
    const char letter = after("Key"), digit = after("Digit"), pad = after("Numpad");
    if (letter >= 'A' && letter <= 'Z')
        k.place = letter;
    else if (digit >= '0' && digit <= '9')
        k.place = digit;
    else if (pad >= '0' && pad <= '9')
        k.place = pad;
    else if (code == "Minus" || code == "NumpadSubtract")
        k.place = '-';
    else if (code == "Equal")
        k.place = '=';
    k.numpad = code.starts_with("Numpad");
    k.shift = shift;
    k.ctrl = ctrl;
    k.alt = alt;
    k.meta = meta;
    k.repeat = repeat;
    return k;
}

}  // namespace web
