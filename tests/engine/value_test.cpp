#include <gtest/gtest.h>

#include <limits>

#include "toolkit/core/value.h"

namespace {

using tk::Value;

TEST(Value, EqualityWithATextLiteralNeedsThatExactText) {
    struct Row {
        const char* name;
        Value value;
        const char* literal;
        bool equal;
    } rows[] = {
        {"empty equals the empty text", Value(), "", true},
        {"empty never equals a word", Value(), "left", false},
        {"same text", Value("left"), "left", true},
        {"case matters", Value("Left"), "left", false},
        {"a number is not its digits", Value(0), "0", false},
        {"a number is not the empty text", Value(0), "", false},
        {"the empty text is not empty's twin for words", Value(""), "rovne", false},
        {"a trailing space matters", Value("left "), "left", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value == row.literal, row.equal);
    }
}

TEST(Value, ArithmeticUsesTheNumericValue) {
    struct Row {
        const char* name;
        Value value;
        double number;
    } rows[] = {
        {"empty counts 0", Value(), 0},
        {"whole number", Value(45), 45},
        {"text read as decimal", Value("45"), 45},
        {"text with spaces", Value(" 55 "), 55},
        {"text with a fraction", Value("2.5"), 2.5},
        {"negative text", Value("-70"), -70},
        {"text that is no number counts 0", Value("left"), 0},
        {"single", Value(1777.5f), 1777.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value.number(), row.number);
    }
}

TEST(Value, AddingToAWholeNumberKeepsAWholeNumber) {
    const Value fifty = Value(45) + 5;
    EXPECT_EQ(fifty.kind(), Value::Kind::Whole);
    EXPECT_EQ(fifty.number(), 50);
    EXPECT_EQ(fifty.toText(), "50");

    const Value fromText = Value("45") + 5;
    EXPECT_NE(fromText.kind(), Value::Kind::Text) << "a text plus a number is a number";
    EXPECT_EQ(fromText.number(), 50);

    const Value fromEmpty = Value() + 5;
    EXPECT_EQ(fromEmpty.kind(), Value::Kind::Whole);
    EXPECT_EQ(fromEmpty.number(), 5);

    const Value widened = Value(std::numeric_limits<int>::max()) + 5;
    EXPECT_EQ(widened.number(), 2147483652.0) << "a whole number never wraps around";
}

TEST(Value, WrittenAsCaptionText) {
    struct Row {
        const char* name;
        Value value;
        const char* text;
    } rows[] = {
        {"empty writes nothing", Value(), ""},
        {"whole number as plain digits", Value(6), "6"},
        {"single with a fraction", Value(1777.5f), "1777.5"},
        {"whole single without a point", Value(50.0f), "50"},
        {"text as it is", Value("rovne"), "rovne"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value.toText(), row.text);
    }
    EXPECT_EQ(tk::formatNumber(11), "11");
    EXPECT_EQ(tk::formatNumber(0.1), "0.1");
    EXPECT_EQ(tk::parseDecimal("10"), 10);
    EXPECT_EQ(tk::parseDecimal(""), 0);
    EXPECT_EQ(tk::parseDecimal("1e400"), 0) << "an overflowing text must not become infinity";
}

TEST(Value, PositionsAreRoundedToSingle) {
    // 135 + 0.000003 is above 135 in double but exactly 135 in single.
    EXPECT_GT(135.0 + double(3e-6f), 135.0);
    EXPECT_EQ(tk::single(135.0 + double(3e-6f)), 135.0f);
}

}  // namespace
