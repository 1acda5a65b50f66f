// The text of a trace script: a line's words and the values a script writes.
#pragma once

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/core/controls.h"
#include "engine/core/value.h"

namespace running {

std::vector<std::string> words(const std::string& line);

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

}  // namespace running
