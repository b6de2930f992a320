#include "state/int.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace vantoro {
namespace {

struct BinaryCase {
  const char* op;
  std::int32_t a, b, expected;
};

Int Apply(const char* op, Int a, Int b) {
  switch (op[0]) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    case '/': return a / b;
    default: return a % b;
  }
}

TEST(IntTest, ArithmeticWrapsAndDividesSafely) {
  const BinaryCase cases[] = {
      {"+", INT_MAX, 1, INT_MIN},
      {"+", INT_MIN, -1, INT_MAX},
      {"-", INT_MIN, 1, INT_MAX},
      {"-", 0, INT_MIN, INT_MIN},
      {"*", 65536, 65536, 0},
      {"*", INT_MAX, 2, -2},
      {"*", INT_MIN, -1, INT_MIN},
      {"/", 7, 2, 3},
      {"/", -7, 2, -3},  // truncates toward zero
      {"/", 7, -2, -3},
      {"/", 5, 0, 0},
      {"/", INT_MIN, -1, INT_MIN},
      {"/", INT_MIN, 1, INT_MIN},
      {"%", -7, 2, -1},  // sign of the dividend
      {"%", 7, -2, 1},
      {"%", 5, 0, 0},
      {"%", INT_MIN, -1, 0},
      {"%", INT_MIN, 3, -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Apply(c.op, c.a, c.b), Int(c.expected)) << c.a << ' ' << c.op << ' ' << c.b;
  }
}

TEST(IntTest, UnaryShiftsAndHelpers) {
  EXPECT_EQ(-kIntMin, kIntMin);
  EXPECT_EQ(Abs(kIntMin), kIntMin);
  Int x = kIntMax;
  ++x;
  EXPECT_EQ(x, kIntMin);
  EXPECT_EQ(Int(1) << 33, Int(2));
  EXPECT_EQ(Int(-8) >> 1, Int(-4));
  EXPECT_EQ(Int::Wrap(0x1'0000'0005LL), Int(5));
  EXPECT_EQ(Clamp(150, 0, 100), Int(100));
  EXPECT_TRUE(3 < Int(4));
  EXPECT_EQ(Int(-12).Str(), "-12");
}

}  // namespace
}  // namespace vantoro
