// Numbers as text the way std::to_chars and std::from_chars write and read them: the shortest
// decimal that reads back as the same number, plain or with an exponent, whichever is shorter
// (plain on a tie), and the strict decimal syntax with no leading '+' or space. Where the standard
// library has floating-point charconv, these are it; where it does not (the WebAssembly build's),
// the portable versions below stand in, held to the library's output by the tests.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tk {

std::string shortestText(double value);
std::string shortestText(float value);

// The whole text as one number; none when it is no number, has anything after it, or lies
// outside the double's range (too large, or so small that it would read as zero).
std::optional<double> readNumber(std::string_view text);

namespace portable {
std::string shortestText(double value);
std::string shortestText(float value);
std::optional<double> readNumber(std::string_view text);
}  // namespace portable

}  // namespace tk
