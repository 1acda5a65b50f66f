#include "engine/core/value.h"

#include <cmath>
#include <limits>

#include "engine/core/number_text.h"

namespace tk {

namespace {
const std::string kNoText;
}

double parseDecimal(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const std::optional<double> result = readNumber(text);
    if (!result || !std::isfinite(*result))
        return 0.0;
    return *result;
}

std::string formatNumber(double number) {
    if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15) {
        return std::to_string(static_cast<long long>(number));
    }
    const std::string text = shortestText(number);
    return text.empty() ? std::string("0") : text;
}

double Value::number() const {
    switch (kind()) {
        case Kind::Empty:
            return 0.0;
        case Kind::Whole:
            return std::get<std::int32_t>(v_);
        case Kind::Single:
            return std::get<float>(v_);
        case Kind::Double:
            return std::get<double>(v_);
        case Kind::Text:
            return parseDecimal(std::get<std::string>(v_));
    }
    return 0.0;
}

const std::string& Value::text() const {
    return isText() ? std::get<std::string>(v_) : kNoText;
}

std::string Value::toText() const {
    switch (kind()) {
        case Kind::Empty:
            return {};
        case Kind::Whole:
            return std::to_string(std::get<std::int32_t>(v_));
        case Kind::Single: {
            const float f = std::get<float>(v_);
            if (std::isfinite(f) && f == std::trunc(f) && std::fabs(f) < 1e15f)
                return formatNumber(f);
            const std::string text = shortestText(f);
            return text.empty() ? std::string("0") : text;
        }
        case Kind::Double:
            return formatNumber(std::get<double>(v_));
        case Kind::Text:
            return std::get<std::string>(v_);
    }
    return {};
}

bool Value::operator==(std::string_view literal) const {
    if (isEmpty())
        return literal.empty();
    return isText() && std::get<std::string>(v_) == literal;
}

Value Value::operator+(int addend) const {
    if (kind() == Kind::Whole || isEmpty()) {
        const long long sum =
            static_cast<long long>(isEmpty() ? 0 : std::get<std::int32_t>(v_)) + addend;
        if (sum >= std::numeric_limits<std::int32_t>::min() &&
            sum <= std::numeric_limits<std::int32_t>::max()) {
            return Value(static_cast<int>(sum));
        }
        return Value(static_cast<double>(sum));  // a whole number that outgrows 32 bits widens
    }
    if (kind() == Kind::Single)
        return Value(single(static_cast<double>(std::get<float>(v_)) + addend));
    return Value(number() + addend);
}

}  // namespace tk
