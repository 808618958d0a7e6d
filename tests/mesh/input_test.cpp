// Reading meshinp: the viewer's formats, and every kind of bad file refused with its line.
#include "mesh/input.h"

#include <gtest/gtest.h>

#include <string>

#include "sections.h"

namespace pyk {
namespace {

// A 2 x 3 grid; value (i, j) = 10 i + j.
std::string ValidText() {
  MeshInput in = meshtest::MakeSection(2, 3, [](int i, int j) { return 10.0 * i + j; });
  in.param = 1.5f;
  return meshtest::FormatMeshInput(in);
}

std::string ReplaceLine(std::string text, int line, const std::string& with) {
  size_t a = 0;
  for (int k = 1; k < line; ++k) a = text.find('\n', a) + 1;
  const size_t b = text.find('\n', a);
  return text.replace(a, b - a, with);
}

// Joins the given line with the next.
std::string JoinLine(std::string text, int line) {
  size_t a = 0;
  for (int k = 1; k < line; ++k) a = text.find('\n', a) + 1;
  text[text.find('\n', a)] = ' ';
  return text;
}

TEST(MeshInput, ReadsTheViewersFormat) {
  MeshInput in;
  std::string error;
  ASSERT_EQ(ParseMeshInput(ValidText(), "meshinp", &in, &error), 0) << error;
  EXPECT_FLOAT_EQ(in.param, 1.5f);
  EXPECT_FLOAT_EQ(in.distance, 30.0f);
  EXPECT_FLOAT_EQ(in.theta, 30.0f);
  EXPECT_FLOAT_EQ(in.phi, 60.0f);
  EXPECT_FLOAT_EQ(in.edgeU, 12.3f);
  EXPECT_FLOAT_EQ(in.edgeV, 15.1f);
  EXPECT_FLOAT_EQ(in.angle, 104.5f);
  EXPECT_EQ(in.width, 900);
  EXPECT_EQ(in.height, 720);
  EXPECT_FLOAT_EQ(in.minDensity, -1.0f);
  EXPECT_FLOAT_EQ(in.maxDensity, 8.0f);
  ASSERT_EQ(in.nu, 2);
  ASSERT_EQ(in.nv, 3);
  ASSERT_EQ(in.values.size(), 12u);
  for (int i = 0; i <= 2; ++i) {
    for (int j = 0; j <= 3; ++j) EXPECT_FLOAT_EQ(in.Value(i, j), 10.0f * i + j) << i << "," << j;
  }
}

TEST(MeshInput, Table) {
  const std::string valid = ValidText();
  std::string crlf;
  for (const char c : valid) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string lastValueRemoved = valid.substr(0, valid.rfind('\n', valid.size() - 2) + 1);
  const struct {
    const char* name;
    std::string text;
    int rc;
    const char* message;  // a part of the message
  } rows[] = {
      {"valid", valid, 0, ""},
      {"CR LF line ends", crlf, 0, ""},
      {"two values on one line", JoinLine(valid, 7), 0, ""},
      {"empty", "", 1, "ends before line 1"},
      {"header only", valid.substr(0, valid.find("2 3\n") + 4), 1, "ends after 0 of the 12"},
      {"last value missing", lastValueRemoved, 1, "ends after 11 of the 12 values"},
      {"one value too many", valid + "5.0\n", 1, "line 19: more than the 12 values"},
      {"letters on line 2", ReplaceLine(valid, 2, "  30.0 abc 60.0"), 1,
       "line 2: \"abc\" is not a finite number"},
      {"letters in a value", ReplaceLine(valid, 9, "1.0x"), 1, "line 9: \"1.0x\""},
      {"two numbers on line 2", ReplaceLine(valid, 2, "30.0 30.0"), 1,
       "line 2: 3 numbers expected"},
      {"four numbers on line 3", ReplaceLine(valid, 3, "1 2 90 4"), 1, "line 3: more than 3"},
      {"Nu = 0", ReplaceLine(valid, 6, "0 3"), 1, "line 6: grid of 0 x 3 cells"},
      {"Nu = 150", ReplaceLine(valid, 6, "150 3"), 1, "outside 1..149"},
      {"Nv negative", ReplaceLine(valid, 6, "2 -1"), 1, "line 6"},
      {"Nu not an integer", ReplaceLine(valid, 6, "2.5 3"), 1, "line 6: \"2.5\" is not an integer"},
      {"width 0", ReplaceLine(valid, 4, "0 720"), 1, "line 4: client size 0 x 720"},
      {"height too large", ReplaceLine(valid, 4, "900 10001"), 1, "line 4"},
      {"NaN value", ReplaceLine(valid, 8, "nan"), 1, "line 8: \"nan\" is not a finite number"},
      {"infinite distance", ReplaceLine(valid, 2, "inf 30.0 60.0"), 1, "line 2: \"inf\""},
      {"value beyond float", ReplaceLine(valid, 10, "1e39"), 1, "line 10"},
      {"zero edge", ReplaceLine(valid, 3, "0.0 15.1 90.0"), 1, "cell edges"},
      {"flat angle", ReplaceLine(valid, 3, "12.3 15.1 180.00"), 1, "cell angle 180"},
  };
  for (const auto& r : rows) {
    MeshInput in;
    std::string error;
    EXPECT_EQ(ParseMeshInput(r.text, "meshinp", &in, &error), r.rc) << r.name;
    if (r.rc != 0) {
      EXPECT_NE(error.find(r.message), std::string::npos) << r.name << ": " << error;
      EXPECT_EQ(error.rfind("meshinp: ", 0), 0u) << r.name << ": " << error;
      EXPECT_EQ(error.find('\n'), std::string::npos) << r.name;
    }
  }
}

TEST(MeshInput, MissingFile) {
  MeshInput in;
  std::string error;
  EXPECT_EQ(ReadMeshInput("/nonexistent-folder/meshinp", &in, &error), 1);
  EXPECT_NE(error.find("/nonexistent-folder/meshinp: cannot open"), std::string::npos) << error;
}

}  // namespace
}  // namespace pyk
