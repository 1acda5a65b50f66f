#include "tools/trace/script_text.h"

#include <cstdio>
#include <sstream>

namespace trace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string w; in >> w;)
        result.push_back(w);
    return result;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string boolean(bool b) {
    return b ? "true" : "false";
}

std::string json(const tk::Value& v) {
    switch (v.kind()) {
        case tk::Value::Kind::Empty:
            return "null";
        case tk::Value::Kind::Text:
            return quoted(v.text());
        case tk::Value::Kind::Single:
            return number(static_cast<float>(v.number()));
        case tk::Value::Kind::Whole:
        case tk::Value::Kind::Double:
            return number(v.number());
    }
    return "null";
}

std::string box(const tk::Control& c) {
    return "\"Left\":" + number(c.Left) + ",\"Top\":" + number(c.Top) +
           ",\"Width\":" + number(c.Width) + ",\"Height\":" + number(c.Height) +
           ",\"Visible\":" + boolean(c.Visible);
}

std::string sprite(const tk::PictureBox& p) {
    return "{" + box(p) + ",\"Picture\":" + quoted(p.picture().owner()) +
           ",\"BackColor\":" + std::to_string(p.BackColor) + "}";
}

Literal parseLiteral(const std::string& raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        return {Literal::Kind::Text, raw.substr(1, raw.size() - 2)};
    }
    if (raw == "true" || raw == "false")
        return {Literal::Kind::Bool, "", 0, raw == "true"};
    if (raw == "empty")
        return {Literal::Kind::Empty, "", 0, false};
    const bool whole = raw.find_first_of(".eE") == std::string::npos;
    double value = 0;
    auto [ptr, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), value);
    if (ec != std::errc() || ptr != raw.data() + raw.size() || !std::isfinite(value)) {
        throw std::invalid_argument("not a value: " + raw +
                                    " (use \"text\", a number, true, false or empty)");
    }
    if (whole && value >= -2147483648.0 && value <= 2147483647.0)
        return {Literal::Kind::Whole, "", value};
    return {Literal::Kind::Single, "", value};
}

long parseCount(const std::string& raw) {
    long count = 0;
    auto [ptr, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), count);
    if (ec != std::errc() || ptr != raw.data() + raw.size() || count < 0) {
        throw std::invalid_argument("not a count: " + raw);
    }
    return count;
}

int keyCode(const std::string& raw) {
    const long code = parseCount(raw);
    if (code > 65535)
        throw std::invalid_argument("key code out of range: " + raw);
    return static_cast<int>(code);
}

}  // namespace trace
