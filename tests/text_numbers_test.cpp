// Number conversions give the C forms while the process runs in a
// comma-decimal locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "state/message.h"
#include "support/files.h"
#include "support/locale.h"
#include "text/c_numbers.h"

namespace pyk {
namespace {

std::string Printed(double a, int b) {
  char* text = nullptr;
  size_t size = 0;
  FILE* f = open_memstream(&text, &size);
  PrintC(f, "%.2f|%g|%d", a, a, b);
  std::fclose(f);
  std::string out(text, size);
  std::free(text);
  return out;
}

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
  EXPECT_EQ(Printed(0.92, 3), "0.92|0.92|3");

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

}  // namespace
}  // namespace pyk
