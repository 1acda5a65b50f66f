#include "engine/running/script_text.h"

#include <cstdio>
#include <optional>

#include "engine/core/number_text.h"

namespace running {

std::vector<std::string> words(const std::string& line) {
    constexpr const char* kSpace = " \t\n\v\f\r";
    std::vector<std::string> result;
    for (std::size_t at = line.find_first_not_of(kSpace); at != std::string::npos;) {
        const std::size_t end = line.find_first_of(kSpace, at);
        result.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(kSpace, end);
    }
    return result;
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
    const std::optional<double> read = tk::readNumber(raw);
    const double value = read.value_or(0);
    if (!read || !std::isfinite(value)) {
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

}  // namespace running
