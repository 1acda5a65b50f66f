// The dynamically typed value that holds the match state, and numbers as text: the portable
// writer and reader stand in for floating-point charconv where the standard library lacks it (the
// WebAssembly build), so they must give the library's very bytes.
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
#include <utility>

#include "engine/core/number_text.h"
#include "engine/core/value.h"

namespace {

using tk::Value;

TEST(Value, ComparedWithATextReadAsANumberWrittenAsACaption) {
    struct Row {
        const char *name, *literal, *text;
        Value value;
        bool equal;
        double number;
    } rows[] = {
        {"empty", "", "", Value(), true, 0},
        {"empty is no word", "left", "", Value(), false, 0},
        {"same text", "left", "left", Value("left"), true, 0},
        {"case matters", "left", "Left", Value("Left"), false, 0},
        {"a number is not its digits", "0", "0", Value(0), false, 0},
        {"digits with spaces", "55", " 55 ", Value(" 55 "), false, 55},
        {"a fraction", "2.5", "2.5", Value("2.5"), true, 2.5},
        {"a plus sign", "", "+45", Value("+45"), false, 45},
        {"digits then letters count 0", "", "12abc", Value("12abc"), false, 0},
        {"a single with a fraction", "", "1777.5", Value(1777.5f), false, 1777.5},
        {"a whole single has no point", "50", "50", Value(50.0f), false, 50},
        {"a large single keeps its own digits", "", "1e+20", Value(1e20f), false, 1e20f},
        {"a whole single below 1e15 in plain digits", "", "100000000376832", Value(1e14f), false,
         1e14f},
        {"from 1e15 on in its own digits", "", "1e+15", Value(1e15f), false, 1e15f},
        {"a double with a fraction", "", "0.1", Value(0.1), false, 0.1},
        {"a double from 1e15 on", "", "1e+15", Value(1e15), false, 1e15},
        {"a text too large is 0, not infinity", "", "1e400", Value("1e400"), false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value == row.literal, row.equal);
        EXPECT_EQ(row.value.number(), row.number);
        EXPECT_EQ(row.value.toText(), row.text);
    }
}

TEST(Value, AddingToANumberKeepsItsKindAndAWholeNumberNeverWraps) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    struct Row {
        const char* name;
        Value value;
        int addend;
        double sum;
        Value::Kind kind;
    } rows[] = {
        {"text", Value("45"), 5, 50, Value::Kind::Double},
        {"empty", Value(), 5, 5, Value::Kind::Whole},
        {"a single", Value(1777.5f), 5, 1782.5, Value::Kind::Single},
        {"up to the largest whole", Value(kMax - 5), 5, kMax, Value::Kind::Whole},
        {"past it", Value(kMax), 5, 2147483652.0, Value::Kind::Double},
        {"down to the least whole", Value(kMin + 5), -5, kMin, Value::Kind::Whole},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Value sum = row.value + row.addend;
        EXPECT_EQ(sum.kind(), row.kind);
        EXPECT_EQ(sum.number(), row.sum);
    }
}

TEST(NumberText, ReadsOnlyAWholeDecimalInRange) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, std::optional<double>> rows[] = {
        // {}: refused
        {"45", 45},      {"-70", -70},        {"2.5", 2.5},           {".5", 0.5},
        {"-.5e3", -500}, {"1E2", 100},        {"4.9e-324", 4.9e-324}, {"+1", {}},
        {" 1", {}},      {"1e", {}},          {"0x10", {}},           {".", {}},
        {"", {}},        {"1e400", {}},       {"1e-400", {}},         {"2e-324", {}},
        {"inf", inf},    {"-Infinity", -inf}, {"infin", {}},          {"nan(1", {}}};
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(tk::readNumber(text), value);
        EXPECT_EQ(tk::portable::readNumber(text), value);
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
