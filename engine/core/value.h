// The dynamically typed value that the main window's variables hold: empty until first
// assigned, then a whole number, a single, a double or a text, whatever was assigned last.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tk {

class Value {
  public:
    enum class Kind { Empty, Whole, Single, Double, Text };

    Value() = default;
    Value(int whole) : v_(static_cast<std::int32_t>(whole)) {}
    Value(float single) : v_(single) {}
    Value(double number) : v_(number) {}
    Value(std::string text) : v_(std::move(text)) {}
    Value(const char* text) : v_(std::string(text)) {}

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isText() const { return kind() == Kind::Text; }

    // The value in arithmetic: a number as it is, a text read as a decimal number
    // ("45" counts 45), empty as 0. A text that is no number counts 0.
    double number() const;

    // The text if the value holds one, else "".
    const std::string& text() const;

    // The value written into a caption or a text box: a number as plain digits, a text as it
    // is, empty as "".
    std::string toText() const;

    // Equality with a text literal holds only for exactly that text (case-sensitive);
    // empty equals only "".
    bool operator==(std::string_view literal) const;
    bool operator==(const char* literal) const { return *this == std::string_view(literal); }
    bool operator==(const std::string& literal) const { return *this == std::string_view(literal); }

    // Adding a whole number to a whole number keeps a whole number (45 + 5 is the number 50);
    // anything else sums in double.
    Value operator+(int addend) const;

    bool operator==(const Value& other) const = default;

  private:
    std::variant<std::monostate, std::int32_t, float, double, std::string> v_;
};

// Reads a caption or a text as the game does: a decimal number, leading and trailing spaces
// allowed; anything else counts 0.
double parseDecimal(std::string_view text);

// Writes a number as a caption: plain digits for a whole number ("6"), else the shortest
// decimal that reads back as the same double.
std::string formatNumber(double number);

// Positions are single-precision: sums are formed in double, then rounded to single.
inline float single(double sum) {
    return static_cast<float>(sum);
}

}  // namespace tk
