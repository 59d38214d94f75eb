#include "astro/base/body.h"

#include <gtest/gtest.h>

namespace skycalc {
namespace {

// The body numbers of the readouts: 1-11 without the Earth, in list order.
TEST(BodyNumbers, OnlyTheTenBodiesOfTheList) {
  const int numbers[kBodyCount] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
  for (int position = 0; position < kBodyCount; ++position) {
    const Body body = BodyOfListPosition(position);
    EXPECT_EQ(static_cast<int>(body), position);
    EXPECT_EQ(BodyNumber(body), numbers[position]);
    EXPECT_TRUE(IsBodyNumber(numbers[position]));
    EXPECT_EQ(BodyOfNumber(numbers[position]), body);
  }
  for (int number : {-1, 0, 4, 12, 1000}) {
    EXPECT_FALSE(IsBodyNumber(number)) << number;
    EXPECT_EQ(BodyOfNumber(number), Body::kSun) << number;  // computed as the Sun, as the readouts do
  }
  EXPECT_EQ(BodyOfListPosition(-1), Body::kSun);
  EXPECT_EQ(BodyOfListPosition(10), Body::kSun);
}

}  // namespace
}  // namespace skycalc
