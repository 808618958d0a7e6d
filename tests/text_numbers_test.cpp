// Number conversions give the C forms while the process runs in a
// comma-decimal locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "state/message.h"
#include "support/files.h"
#include "support/locale.h"
#include "support/maps.h"
#include "text/c_numbers.h"

namespace pyk {
namespace {

TEST(CNumbers, EveryConversionKeepsThePointInACommaDecimalLocale) {
  test::TempDir locales;
  ASSERT_TRUE(test::MakeCommaLocale(locales.path().string()));
  ::setenv("LOCPATH", locales.path().c_str(), 1);
  ASSERT_NE(std::setlocale(LC_ALL, test::kCommaLocale), nullptr);
  char raw[16];
  std::snprintf(raw, sizeof raw, "%.1f", 0.5);
  EXPECT_STREQ(raw, "0,5") << "the process locale is not comma-decimal";

  char text[32];
  FormatC(text, sizeof text, "%6.2f", 50.78);
  EXPECT_STREQ(text, " 50.78");
  EXPECT_EQ(FormatText("%4.3f dy:%6.3f", 0.781, 2.5), "0.781 dy: 2.500");
  EXPECT_EQ(test::Written([](FILE* out) { PrintC(out, "%.2f|%g|%d", 0.92, 0.92, 3); }), "0.92|0.92|3");

  float a = 0, b = 0;
  EXPECT_EQ(ScanC("0.92 -1.5e1", "%f %f", &a, &b), 2);
  EXPECT_EQ(a, 0.92f);
  EXPECT_EQ(b, -15.0f);
  char input[] = "2.5e-1 7";
  FILE* f = fmemopen(input, sizeof input - 1, "r");
  int n = 0;
  EXPECT_EQ(ScanFileC(f, "%f %d", &a, &n), 2);
  std::fclose(f);
  EXPECT_EQ(a, 0.25f);
  EXPECT_EQ(n, 7);

  char* end = nullptr;
  const char* number = "0.92x";
  EXPECT_EQ(ParseFloatC(number, &end), 0.92f);
  EXPECT_EQ(end, number + 4);
  const char* whole = "  -12,5";
  EXPECT_EQ(ParseLongC(whole, &end), -12);
  EXPECT_EQ(end, whole + 5);
  std::setlocale(LC_ALL, "C");
}

// The printf-free fixed form is printf's, byte for byte: ties to even, signed
// zeros, nan and inf, widths; and over a sweep of float bit patterns.
TEST(CNumbers, AppendFixedIsPrintfsFixedForm) {
  const double values[] = {0.0,    -0.0,   0.0625,          -0.0625, 0.0015, 2.5,      3.5,      -1e-5,
                           1e-300, 3.4e38, 123456789.00005, NAN,     -NAN,   INFINITY, -INFINITY};
  std::string fast;
  char slow[512];
  auto same = [&](double v, int precision, int width) {
    fast.clear();
    AppendFixedC(&fast, v, precision, width);
    std::snprintf(slow, sizeof slow, "%*.*f", width, precision, v);
    return fast == slow;
  };
  for (double v : values) {
    for (int precision : {0, 1, 3, 4}) {
      for (int width : {0, 9, 12}) EXPECT_TRUE(same(v, precision, width)) << v << " " << precision << " " << width;
    }
  }
  uint32_t bits = 12345;
  int differ = 0;
  for (int i = 0; i < 200000; ++i) {
    bits = bits * 1664525u + 1013904223u;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    differ += !same(f, 3 + (i & 1), 9);
  }
  EXPECT_EQ(differ, 0);
  fast.clear();
  AppendIntC(&fast, -2147483647 - 1);
  EXPECT_EQ(fast, "-2147483648");
}

}  // namespace
}  // namespace pyk
