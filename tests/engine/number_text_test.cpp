// Numbers as text: the portable writer and reader stand in for floating-point charconv where the
// standard library lacks it (the WebAssembly build), so they must give the library's very bytes.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <type_traits>

#include "engine/core/number_text.h"

namespace {

TEST(NumberText, ReadsOnlyAWholeDecimalInRange) {
    const struct {
        const char* text;
        std::optional<double> value;
    } rows[] = {
        {"45", 45},
        {"-70", -70},
        {"2.5", 2.5},
        {".5", 0.5},
        {"-.5e3", -500},
        {"1E2", 100},
        {"4.9e-324", 4.9e-324},
        {"+1", std::nullopt},
        {" 1", std::nullopt},
        {"1e", std::nullopt},
        {"0x10", std::nullopt},
        {".", std::nullopt},
        {"", std::nullopt},
        {"1e400", std::nullopt},
        {"1e-400", std::nullopt},
        {"2e-324", std::nullopt},
        {"inf", std::numeric_limits<double>::infinity()},
        {"-Infinity", -std::numeric_limits<double>::infinity()},
        {"infin", std::nullopt},
        {"nan(1", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(tk::readNumber(row.text), row.value);
        EXPECT_EQ(tk::portable::readNumber(row.text), row.value);
    }
    for (const char* text : {"nan", "NaN", "nan(12_ab)"}) {
        ASSERT_TRUE(tk::portable::readNumber(text)) << text;
        EXPECT_TRUE(std::isnan(*tk::portable::readNumber(text))) << text;
        EXPECT_TRUE(tk::readNumber(text)) << text;
    }
}

#if defined(__cpp_lib_to_chars)
// Every power of two, and random bit patterns of every magnitude: the portable writer gives
// the library's bytes, and the portable reader reads them back to the same number.
template <typename T>
void holdToTheLibrary() {
    std::mt19937_64 random(2002);
    auto check = [](T value) {
        char buffer[400];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        ASSERT_EQ(error, std::errc());
        const std::string want(buffer, end);
        const std::string got = tk::portable::shortestText(value);
        ASSERT_EQ(got, want) << "bits of " << want;
        if (std::isfinite(value)) {
            const std::optional<double> back = tk::portable::readNumber(got);
            ASSERT_TRUE(back) << got;
            ASSERT_EQ(static_cast<T>(*back), value) << got;
        }
    };
    for (int e = std::numeric_limits<T>::min_exponent - std::numeric_limits<T>::digits;
         e < std::numeric_limits<T>::max_exponent; ++e) {
        check(std::ldexp(T(1), e));
        check(std::nextafter(std::ldexp(T(1), e), T(0)));
    }
    for (int i = 0; i < 20000; ++i) {
        using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        const T value = std::bit_cast<T>(static_cast<Bits>(random()));
        if (!std::isnan(value))
            check(value);
    }
    for (int whole = -2000; whole <= 2000; ++whole) {
        check(static_cast<T>(whole) / 2);
        check(static_cast<T>(whole) / 10);
    }
}

TEST(NumberText, PortableWriterGivesTheLibrarysBytesForDoublesAndSingles) {
    holdToTheLibrary<double>();
    holdToTheLibrary<float>();
}
#endif

}  // namespace
