#include "engine/core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tk {

namespace portable {

namespace {

// A positive number as decimal digits with no trailing zero and the exponent of the first:
// digits "15", exponent 6 is 1.5e6.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

template <typename T>
bool readsBackAs(const Decimal& d, T value) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    text += "e" + std::to_string(d.exponent);
    if constexpr (std::is_same_v<T, float>)
        return std::strtof(text.c_str(), nullptr) == value;
    else
        return std::strtod(text.c_str(), nullptr) == value;
}

// The p-digit decimal one step above (+1) or below (-1) in its last digit, crossing into the
// next power of ten where it must.
Decimal neighbour(const Decimal& d, int step) {
    std::uint64_t n = std::stoull(d.digits);
    std::uint64_t top = 1;
    for (std::size_t i = 0; i < d.digits.size(); ++i)
        top *= 10;
    Decimal next{std::string(), d.exponent};
    n += static_cast<std::uint64_t>(static_cast<std::int64_t>(step));
    if (n == top) {  // 9.99 + 1 step = 10.0
        n /= 10;
        ++next.exponent;
    } else if (n < top / 10) {  // 1.00 - 1 step = 0.999: one more 9 at the end
        n = n * 10 + 9;
        --next.exponent;
    }
    next.digits = std::to_string(n);
    return next;
}

void trimZeros(Decimal& d) {
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
}

// The shortest decimal of a positive finite number that reads back as it; of several that
// short, the nearest (printf's correctly rounded one, or its neighbour where the rounding
// interval is lopsided, at a power of two).
template <typename T>
Decimal shortestDecimal(T value) {
    constexpr int kMaxDigits = std::numeric_limits<T>::max_digits10;
    Decimal found;
    for (int p = 1; p <= kMaxDigits; ++p) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", p - 1, static_cast<double>(value));
        Decimal d;
        const char* c = buffer;
        for (; *c && *c != 'e'; ++c) {
            if (*c != '.')
                d.digits += *c;
        }
        d.exponent = *c ? std::atoi(c + 1) : 0;
        for (const Decimal& candidate : {d, neighbour(d, -1), neighbour(d, +1)}) {
            if (readsBackAs(candidate, value)) {
                found = candidate;
                trimZeros(found);
                return found;
            }
        }
    }
    return found;  // not reached: max_digits10 digits always read back
}

template <typename T>
std::string shortest(T value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return sign + "inf";
    if (value == 0)
        return sign + "0";
    const T magnitude = std::fabs(value);
    const Decimal d = shortestDecimal(magnitude);
    const int n = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const int absExponent = e < 0 ? -e : e;
    const int sciLength = n + (n > 1 ? 1 : 0) + 2 + (absExponent >= 100 ? 3 : 2);
    const int plainLength = e >= n - 1 ? e + 1 : e >= 0 ? n + 1 : n + 1 - e;
    if (plainLength <= sciLength) {
        if (e >= n - 1) {
            // A whole number written out in full: its exact value, as printf's %.0f gives it.
            char buffer[400];
            std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(magnitude));
            return sign + buffer;
        }
        if (e >= 0)
            return sign + d.digits.substr(0, e + 1) + "." + d.digits.substr(e + 1);
        return sign + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    }
    std::string text = d.digits.substr(0, 1);
    if (n > 1)
        text += "." + d.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", e < 0 ? '-' : '+', absExponent);
    return sign + text + exponent;
}

bool startsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != word[i])
            return false;
    }
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string shortestText(double value) {
    return shortest(value);
}

std::string shortestText(float value) {
    return shortest(value);
}

std::optional<double> readNumber(std::string_view text) {
    std::string_view rest = text;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (negative)
        rest.remove_prefix(1);
    if (startsWithNoCase(rest, "inf")) {
        if (rest.size() != 3 && !(rest.size() == 8 && startsWithNoCase(rest, "infinity")))
            return std::nullopt;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    if (startsWithNoCase(rest, "nan")) {
        rest.remove_prefix(3);
        if (!rest.empty()) {
            if (rest.front() != '(' || rest.back() != ')')
                return std::nullopt;
            for (char c : rest.substr(1, rest.size() - 2)) {
                if (!isDigit(c) && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z') && c != '_')
                    return std::nullopt;
            }
        }
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return negative ? -nan : nan;
    }
    // digits [. digits] [e [sign] digits], with at least one digit before the exponent
    std::size_t i = 0;
    bool anyDigit = false, nonZero = false;
    auto digits = [&] {
        for (; i < rest.size() && isDigit(rest[i]); ++i) {
            anyDigit = true;
            nonZero = nonZero || rest[i] != '0';
        }
    };
    digits();
    if (i < rest.size() && rest[i] == '.') {
        ++i;
        digits();
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < rest.size() && (rest[i] == 'e' || rest[i] == 'E')) {
        ++i;
        if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < rest.size() && isDigit(rest[i]))
            ++i;
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != rest.size())
        return std::nullopt;
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    if (std::isinf(value) || (value == 0 && nonZero))
        return std::nullopt;
    return value;
}

}  // namespace portable

#if defined(__cpp_lib_to_chars)

namespace {
template <typename T>
std::string viaCharconv(T value) {
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}
}  // namespace

std::string shortestText(double value) {
    return viaCharconv(value);
}

std::string shortestText(float value) {
    return viaCharconv(value);
}

std::optional<double> readNumber(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

#else

std::string shortestText(double value) {
    return portable::shortestText(value);
}

std::string shortestText(float value) {
    return portable::shortestText(value);
}

std::optional<double> readNumber(std::string_view text) {
    return portable::readNumber(text);
}

#endif

}  // namespace tk
