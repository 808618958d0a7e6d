// The scanner against the C library's own fscanf and fgets on the same bytes.
#include "map/scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace pyk {
namespace {

// Reads up to three numbers both ways and compares results, values and positions.
template <typename T>
void ExpectSameAsFscanf(const std::string& input, const char* format) {
  FILE* f = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  ASSERT_NE(f, nullptr);
  StreamScanner sc(input.data(), input.data() + input.size());
  for (int i = 0; i < 3; ++i) {
    T expected = static_cast<T>(-7);
    T actual = static_cast<T>(-7);
    const bool okC = std::fscanf(f, format, &expected) == 1;
    bool ok;
    if constexpr (std::is_same_v<T, float>) {
      ok = sc.ScanFloat(actual);
    } else {
      ok = sc.ScanInt(actual);
    }
    const long pos = std::ftell(f);
    SCOPED_TRACE("input \"" + input + "\" read " + std::to_string(i));
    EXPECT_EQ(ok, okC);
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof(T)), 0) << actual << " vs " << expected;
    // After a read both streams stand at the same place: the next line piece agrees.
    StreamScanner copy = sc;
    std::string_view rest;
    const bool more = copy.ReadLine(&rest);
    char buf[140];
    const long here = std::ftell(f);
    const bool moreC = std::fgets(buf, sizeof buf, f) != nullptr;
    std::fseek(f, here, SEEK_SET);
    EXPECT_EQ(more, moreC) << "at " << pos;
    if (more && moreC) {
      EXPECT_EQ(std::string(rest), std::string(buf));
    }
  }
  std::fclose(f);
}

TEST(Scanner, FloatsConvertAndStopAsFscanf) {
  const char* inputs[] = {
      "1.5 2.5 3", "  -0.25\n\n  7e2", "+5", "-x 5", "1e 7", "1e+x 3", "1.5.3", ".5 .", "-.e1",
      "0x1p3 2", "inf 1", "-infinity", "infx", "nan 2", "NaN(1)", "nax", "1e400", "1e-50",
      "3.4028235e38 1.4e-45", "00012", "+-1", "1.5e-3.2", "e5", "12abc", "1,5", "-", "",
      "\r\n\t\v\f 7", "0.1 0.2 0.3", "123456789012345678901234567890", "1.0000000596046447753906250001",
      "0x", "0xg", "-0", "1.e5", "9.99999999e-39",
  };
  for (const char* in : inputs) ExpectSameAsFscanf<float>(in, "%f");
}

TEST(Scanner, IntegersConvertAndStopAsFscanf) {
  const char* inputs[] = {
      "1 2 3", "-12\n+7", "-x", "+-1", "0x10", "99999999999", "-99999999999", "2147483648",
      "12345678901234567890123", "-12345678901234567890123", "1.5", "  \r\n 42", "", "-", "a1",
  };
  for (const char* in : inputs) ExpectSameAsFscanf<int32_t>(in, "%d");
}

TEST(Scanner, LinePiecesAreAtMost139Characters) {
  const std::string longLine(300, 'a');
  const std::string text = longLine + "\nshort\r\nlast";
  StreamScanner sc(text.data(), text.data() + text.size());
  const size_t expected[] = {139, 139, 23, 7, 4};
  std::string_view piece;
  for (size_t len : expected) {
    ASSERT_TRUE(sc.ReadLine(&piece));
    EXPECT_EQ(piece.size(), len);
  }
  EXPECT_FALSE(sc.ReadLine(&piece));
  EXPECT_EQ(piece, "last");  // left as it was at the end
}

}  // namespace
}  // namespace pyk
