// A coverage raster: the screen area already taken by surface nearer the eye.
#include "mesh/coverage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pyk {

float CoverageScale(int width, int height) {
  return std::min(2.0f, 4096.0f / static_cast<float>(std::max(width, height)));
}

bool ScreenTriangle::Contains(float px, float py) const { return TriangleTest(*this).Contains(px, py); }

TriangleTest::TriangleTest(const ScreenTriangle& t) {
  const double area2 = (static_cast<double>(t.x[1]) - t.x[0]) * (static_cast<double>(t.y[2]) - t.y[0]) -
                       (static_cast<double>(t.x[2]) - t.x[0]) * (static_cast<double>(t.y[1]) - t.y[0]);
  area_ = std::fabs(area2) > 1e-9;
  orient_ = area2 > 0 ? 1.0 : -1.0;
  for (int k = 0; k < 3; ++k) {
    const int n = (k + 1) % 3;
    x_[k] = t.x[k];
    y_[k] = t.y[k];
    ex_[k] = static_cast<double>(t.x[n]) - t.x[k];
    ey_[k] = static_cast<double>(t.y[n]) - t.y[k];
  }
}

bool TriangleTest::Contains(float px, float py) const {
  if (!area_) return false;
  // The differences to the corner are deliberately taken in float, then widened.
  for (int k = 0; k < 3; ++k) {
    if (orient_ * (ex_[k] * (py - y_[k]) - ey_[k] * (px - x_[k])) < 0) return false;
  }
  return true;
}

CoverageMask::CoverageMask(int width, int height, float scale)
    : cols_(std::max(1, static_cast<int>(std::ceil(width * scale)))),
      rows_(std::max(1, static_cast<int>(std::ceil(height * scale)))),
      scale_(scale),
      bits_(static_cast<size_t>(cols_) * rows_, 0) {}

void CoverageMask::FillTriangle(float ax, float ay, float bx, float by, float cx, float cy) {
  const double x[3] = {ax * scale_, bx * scale_, cx * scale_};
  const double y[3] = {ay * scale_, by * scale_, cy * scale_};
  // Slivers seen edge-on cover no area and must not hide what lies behind them.
  const double area2 = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
  if (!(std::fabs(area2) > 1e-6)) return;
  const double ylo = std::clamp(std::min({y[0], y[1], y[2]}), -1.0, rows_ + 1.0);
  const double yhi = std::clamp(std::max({y[0], y[1], y[2]}), -1.0, rows_ + 1.0);
  const int r0 = std::max(0, static_cast<int>(std::ceil(ylo - 0.5)));
  const int r1 = std::min(rows_ - 1, static_cast<int>(std::floor(yhi - 0.5)));
  for (int row = r0; row <= r1; ++row) {
    const double yc = row + 0.5;
    double xl = 1e300, xr = -1e300;
    for (int k = 0; k < 3; ++k) {
      const int n = (k + 1) % 3;
      const double ya = y[k], yb = y[n];
      if ((yc < ya && yc < yb) || (yc > ya && yc > yb)) continue;
      if (ya == yb) {
        xl = std::min({xl, x[k], x[n]});
        xr = std::max({xr, x[k], x[n]});
      } else {
        const double xc = x[k] + (yc - ya) * (x[n] - x[k]) / (yb - ya);
        xl = std::min(xl, xc);
        xr = std::max(xr, xc);
      }
    }
    if (!(xl <= xr)) continue;
    xl = std::clamp(xl, -1.0, cols_ + 1.0);
    xr = std::clamp(xr, -1.0, cols_ + 1.0);
    const int c0 = std::max(0, static_cast<int>(std::ceil(xl - 0.5)));
    const int c1 = std::min(cols_ - 1, static_cast<int>(std::floor(xr - 0.5)));
    if (c0 <= c1) {
      std::memset(&bits_[static_cast<size_t>(row) * cols_ + c0], 1, static_cast<size_t>(c1 - c0 + 1));
    }
  }
}

bool CoverageMask::Hidden(float x, float y, const TriangleTest& extra) const {
  int col = 0, row = 0;
  return Locate(x, y, &col, &row) && HiddenAt(col, row, extra);
}

bool CoverageMask::Locate(float x, float y, int* col, int* row) const {
  const float mx = x * scale_, my = y * scale_;
  if (!(mx >= 0.0f && my >= 0.0f && mx < cols_ && my < rows_)) return false;
  *col = static_cast<int>(mx);
  *row = static_cast<int>(my);
  return true;
}

bool CoverageMask::HiddenAt(int col, int row, const TriangleTest& extra) const {
  // Away from the mask's border the neighbours are read without bounds checks.
  const bool inside = col >= 1 && row >= 1 && col + 1 < cols_ && row + 1 < rows_;
  for (int dr = -1; dr <= 1; ++dr) {
    for (int dc = -1; dc <= 1; ++dc) {
      const bool covered =
          inside ? bits_[static_cast<size_t>(row + dr) * cols_ + (col + dc)] != 0 : At(col + dc, row + dr);
      if (covered) continue;
      const float cx = (col + dc + 0.5f) / scale_, cy = (row + dr + 0.5f) / scale_;
      if (!extra.Contains(cx, cy)) return false;
    }
  }
  return true;
}

}  // namespace pyk
