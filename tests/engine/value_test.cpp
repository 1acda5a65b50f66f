// The dynamically typed value that holds the match state.
#include <gtest/gtest.h>

#include <limits>

#include "engine/core/value.h"

namespace {

using tk::Value;

TEST(Value, ComparedWithATextReadAsANumberWrittenAsACaption) {
    struct Row {
        const char* name;
        Value value;
        const char* literal;
        bool equal;
        double number;
        const char* text;
    } rows[] = {
        {"empty", Value(), "", true, 0, ""},
        {"empty is no word", Value(), "left", false, 0, ""},
        {"same text", Value("left"), "left", true, 0, "left"},
        {"case matters", Value("Left"), "left", false, 0, "Left"},
        {"a trailing space matters", Value("left "), "left", false, 0, "left "},
        {"the empty text is no word", Value(""), "rovne", false, 0, ""},
        {"a number is not its digits", Value(0), "0", false, 0, "0"},
        {"a number is not the empty text", Value(6), "", false, 6, "6"},
        {"digits with spaces", Value(" 55 "), "55", false, 55, " 55 "},
        {"a fraction", Value("2.5"), "2.5", true, 2.5, "2.5"},
        {"negative", Value("-70"), "", false, -70, "-70"},
        {"a plus sign", Value("+45"), "", false, 45, "+45"},
        {"digits then letters count 0", Value("12abc"), "", false, 0, "12abc"},
        {"a single with a fraction", Value(1777.5f), "", false, 1777.5, "1777.5"},
        {"a whole single has no point", Value(50.0f), "50", false, 50, "50"},
        {"a large single keeps its own digits", Value(1e20f), "", false, 1e20f, "1e+20"},
        {"a whole single below 1e15 in plain digits", Value(1e14f), "", false, 1e14f,
         "100000000376832"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value == row.literal, row.equal);
        EXPECT_EQ(row.value.number(), row.number);
        EXPECT_EQ(row.value.toText(), row.text);
    }
}

TEST(Value, AddingToANumberKeepsAWholeNumberThatNeverWraps) {
    struct Row {
        const char* name;
        Value value;
        double sum;
        Value::Kind kind;
    } rows[] = {
        {"whole", Value(45), 50, Value::Kind::Whole},
        {"text", Value("45"), 50, Value::Kind::Double},
        {"empty", Value(), 5, Value::Kind::Whole},
        {"up to the largest whole", Value(std::numeric_limits<int>::max() - 5),
         std::numeric_limits<int>::max(), Value::Kind::Whole},
        {"past it", Value(std::numeric_limits<int>::max()), 2147483652.0, Value::Kind::Double},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Value sum = row.value + 5;
        EXPECT_EQ(sum.kind(), row.kind);
        EXPECT_EQ(sum.number(), row.sum);
    }
}

TEST(Value, NumbersAndPositions) {
    EXPECT_EQ(tk::formatNumber(11), "11");
    EXPECT_EQ(tk::formatNumber(0.1), "0.1");
    EXPECT_EQ(tk::formatNumber(1e15), "1e+15");
    EXPECT_EQ(tk::parseDecimal("10"), 10);
    EXPECT_EQ(tk::parseDecimal(""), 0);
    EXPECT_EQ(tk::parseDecimal("1e400"), 0) << "an overflowing text must not become infinity";
    // 135 + 0.000003 is above 135 in double but exactly 135 in single.
    EXPECT_GT(135.0 + double(3e-6f), 135.0);
    EXPECT_EQ(tk::single(135.0 + double(3e-6f)), 135.0f);
}

}  // namespace
