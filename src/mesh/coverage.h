// A coverage raster: the screen area already taken by surface nearer the eye.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pyk {

// Mask pixels per client pixel: two, but the mask stays at most 4096 pixels wide and high.
float CoverageScale(int width, int height);

// A triangle on the screen (client pixels).
struct ScreenTriangle {
  float x[3], y[3];
  // True when (px, py) lies inside or on the border; false for no area.
  bool Contains(float px, float py) const;
};

// A triangle prepared for many point tests: ScreenTriangle::Contains with the
// area, orientation and edges worked out once.
class TriangleTest {
 public:
  TriangleTest(const ScreenTriangle& t);  // NOLINT: implicit, wherever a triangle is tested
  bool Contains(float px, float py) const;

 private:
  bool area_;
  double orient_;
  float x_[3], y_[3];
  double ex_[3], ey_[3];
};

// A byte per mask pixel over the client frame; coordinates are client pixels
// (x to the right, y upwards), scaled into the mask.
class CoverageMask {
 public:
  CoverageMask(int width, int height, float scale);

  // Marks the pixels whose centres lie inside the triangle (or on its border).
  void FillTriangle(float ax, float ay, float bx, float by, float cx, float cy);
  // True when the mask pixel under (x, y) and its eight neighbours are all
  // covered, by the mask or by the extra triangle (pixel centres inside it):
  // the test is blind to the last pixel at the border of the covered area, so
  // a line that merely touches surface drawn before it stays visible.
  bool Hidden(float x, float y, const TriangleTest& extra) const;
  // Hidden in two steps, for a caller that meets one mask pixel many times:
  // the mask pixel under (x, y), false outside the mask; then its answer.
  bool Locate(float x, float y, int* col, int* row) const;
  bool HiddenAt(int col, int row, const TriangleTest& extra) const;
  float Scale() const { return scale_; }

 private:
  bool At(int col, int row) const {
    return col >= 0 && row >= 0 && col < cols_ && row < rows_ &&
           bits_[static_cast<size_t>(row) * cols_ + col] != 0;
  }

  int cols_, rows_;
  float scale_;
  std::vector<uint8_t> bits_;
};

}  // namespace pyk
