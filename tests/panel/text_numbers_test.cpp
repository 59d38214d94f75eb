#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "panel/text_numbers.h"

namespace skycalc {
namespace {

struct IntegerCase {
  const char* text;
  bool representable;
  long long value;
};

const IntegerCase kIntegerCases[] = {
    {"0", true, 0},
    {"-500", true, -500},
    {"99999", true, 99999},
    {"999999999999", true, 999999999999LL},
    {"-999999999999", true, -999999999999LL},
    {"1000000000000", false, 0},
    {"18446744073709553617", false, 0},  // 2^64 + 2001
    {"-9223372036854775809", false, 0},
    {"12x3", true, 12},
    {"", true, 0},
    {"-", true, 0},
};

TEST(TextNumbers, ParseEntryInteger) {
  for (const IntegerCase& c : kIntegerCases) {
    long long value = 0;
    EXPECT_EQ(ParseEntryInteger(c.text, value), c.representable) << c.text;
    if (c.representable) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  long long value = 7;
  EXPECT_FALSE(ParseEntryInteger(std::string(100, '9'), value));
}

TEST(TextNumbers, CompleteDecimalEntry) {
  const std::pair<const char*, const char*> cases[] = {
      {"135", "135.0"}, {"35.", "35.0"}, {"0.25", "0.25"}, {"-0.", "-0.0"}, {"-12", "-12.0"}};
  for (const auto& [text, completed] : cases) EXPECT_EQ(CompleteDecimalEntry(text), completed);
}

struct NarrowCase {
  long value;
  int u8, s8;
};

const NarrowCase kNarrowCases[] = {
    {0, 0, 0},       {9, 9, 9},         {127, 127, 127},    {128, 128, -128},
    {255, 255, -1},  {256, 0, 0},       {300, 44, 44},      {-1, 255, -1},
    {-5, 251, -5},   {-128, 128, -128}, {-129, 127, 127},   {-999, 25, 25},
    {std::numeric_limits<long>::max(), 255, -1}, {std::numeric_limits<long>::min(), 0, 0},
};

TEST(TextNumbers, NarrowModulo256) {
  for (const NarrowCase& c : kNarrowCases) {
    EXPECT_EQ(NarrowToUint8(c.value), c.u8) << c.value;
    EXPECT_EQ(NarrowToInt8(c.value), c.s8) << c.value;
  }
}

TEST(TextNumbers, TextConversions) {
  EXPECT_EQ(TextToLong("300"), 300);
  EXPECT_EQ(TextToLong(" -5x"), -5);
  EXPECT_EQ(TextToLong("99999999999999999999999"), std::numeric_limits<long>::max());
  EXPECT_EQ(TextToDouble(" 0.00°"), 0.0);
  EXPECT_EQ(TextToDouble("140.00°"), 140.0);
  EXPECT_TRUE(std::isnan(TextToDouble("nan°")));
  EXPECT_EQ(TextToDouble("1e999"), HUGE_VAL);
}

TEST(TextNumbers, NarrowToFloat) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(NarrowToFloat(1e308), inf);
  EXPECT_EQ(NarrowToFloat(-1e308), -inf);
  EXPECT_EQ(NarrowToFloat(HUGE_VAL), inf);
  EXPECT_EQ(NarrowToFloat(140.0), 140.0f);
  EXPECT_EQ(NarrowToFloat(1e-320), 0.0f);
  EXPECT_EQ(NarrowToFloat(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
  EXPECT_TRUE(std::isnan(NarrowToFloat(std::nan(""))));
}

}  // namespace
}  // namespace skycalc
