// The C runtime's conversions at their limits (the dialogs' tables cover the rest).
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "dialogs/numbers.h"

namespace pyk {
namespace {

TEST(Numbers, AtoiAtofAndTruncation) {
  struct Row {
    const char* text;
    int32_t n;
    float f;
  };
  const Row rows[] = {{"  -3x", -3, -3.0f},
                      {"1.5e2", 1, 150.0f},
                      {"+42", 42, 42.0f},
                      {"99999999999", INT_MAX, 99999999999.0f},
                      {"-99999999999", INT_MIN, -99999999999.0f}};
  for (const Row& r : rows) {
    EXPECT_EQ(TextToInt(QString::fromLatin1(r.text)), r.n) << r.text;
    EXPECT_EQ(TextToFloat(QString::fromLatin1(r.text)), r.f) << r.text;
  }
  EXPECT_EQ(TruncateToInt(-10.5), -10);
  EXPECT_EQ(TruncateToInt(3e9), INT_MIN);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), INT_MIN);
}

}  // namespace
}  // namespace pyk
