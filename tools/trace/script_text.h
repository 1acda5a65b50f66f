// The text of a trace script and of the state it prints: a line's words, the values a script
// writes, and the JSON pieces the printer puts together.
#pragma once

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "toolkit/core/controls.h"
#include "toolkit/core/value.h"

namespace trace {

std::vector<std::string> words(const std::string& line);

// Shortest decimal that reads back as the same number, single or double.
template <typename Number>
std::string number(Number value) {
    if (!std::isfinite(value))
        return "null";  // JSON has no NaN; never expected
    char buffer[32];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, ptr);
}

std::string quoted(const std::string& text);
std::string boolean(bool b);
std::string json(const tk::Value& v);
// A control's place, size and visibility as JSON members; a sprite adds its picture and colour.
std::string box(const tk::Control& c);
std::string sprite(const tk::PictureBox& p);

template <typename T>
std::string list(const std::vector<T>& items, std::size_t from = 0) {
    std::string out = "[";
    for (std::size_t i = from; i < items.size(); ++i) {
        if (i > from)
            out += ",";
        if constexpr (std::is_same_v<T, std::string>) {
            out += quoted(items[i]);
        } else {
            out += std::to_string(items[i]);
        }
    }
    return out + "]";
}

// A value as a script writes it: "text", a bare number, true/false, or empty.
struct Literal {
    enum class Kind { Text, Whole, Single, Bool, Empty } kind;
    std::string text;
    double number = 0;
    bool flag = false;

    tk::Value value() const {
        switch (kind) {
            case Kind::Text:
                return tk::Value(text);
            case Kind::Whole:
                return tk::Value(static_cast<int>(number));
            case Kind::Single:
                return tk::Value(static_cast<float>(number));
            case Kind::Bool:
                return tk::Value(flag ? -1 : 0);
            case Kind::Empty:
                return {};
        }
        return {};
    }
    float asFloat(const std::string& name) const {
        if (kind != Kind::Whole && kind != Kind::Single)
            throw std::invalid_argument(name + " needs a number");
        return static_cast<float>(number);
    }
    bool asBool(const std::string& name) const {
        if (kind != Kind::Bool)
            throw std::invalid_argument(name + " needs true or false");
        return flag;
    }
    std::string asText() const {
        if (kind == Kind::Text)
            return text;
        if (kind == Kind::Empty)
            return "";
        return value().toText();
    }
};

Literal parseLiteral(const std::string& raw);
long parseCount(const std::string& raw);
// A key code, 0 to 65535.
int keyCode(const std::string& raw);

}  // namespace trace
