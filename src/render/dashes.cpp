// Negative contour lines drawn dashed: segments joined into polylines, then cut into dashes.
#include "render/dashes.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace pyk {

namespace {

uint64_t Key(Point2 p) {
  uint32_t x, y;
  std::memcpy(&x, &p.x, 4);
  std::memcpy(&y, &p.y, 4);
  return (uint64_t{x} << 32) | y;
}

// Cuts one polyline into dashes: dash j covers [j * period, j * period + on)
// of the length run along it.
void CutPolyline(const std::vector<Point2>& line, float on, float off, std::vector<Point2>* dashes) {
  const double period = double{on} + off;
  double start = 0.0;  // length run before the segment
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const Point2 a = line[i], b = line[i + 1];
    const double length = std::hypot(double{b.x} - a.x, double{b.y} - a.y);
    if (!(length > 0.0)) continue;
    const double end = start + length;
    auto at = [&](double run) {
      const double t = (run - start) / length;
      return Point2{static_cast<float>(a.x + (b.x - a.x) * t), static_cast<float>(a.y + (b.y - a.y) * t)};
    };
    for (double j = std::floor(start / period); j * period < end; ++j) {
      const double d0 = j * period > start ? j * period : start;
      const double d1 = j * period + on < end ? j * period + on : end;
      if (d1 <= d0) continue;
      dashes->push_back(at(d0));
      dashes->push_back(at(d1));
    }
    start = end;
  }
}

}  // namespace

std::vector<Point2> DashSegments(const std::vector<Point2>& ends, float on, float off) {
  std::vector<Point2> dashes;
  const size_t n = ends.size() / 2;
  if (!(on > 0.0f) || !(off >= 0.0f)) return dashes;
  std::unordered_multimap<uint64_t, size_t> at;  // end point -> segment
  for (size_t i = 0; i < n; ++i) {
    at.emplace(Key(ends[2 * i]), i);
    at.emplace(Key(ends[2 * i + 1]), i);
  }
  std::vector<bool> used(n, false);
  // The unused segment with an end at p, and its other end.
  auto next = [&](Point2 p, Point2* other) {
    auto [lo, hi] = at.equal_range(Key(p));
    for (auto it = lo; it != hi; ++it) {
      const size_t i = it->second;
      if (used[i]) continue;
      used[i] = true;
      *other = Key(ends[2 * i]) == Key(p) ? ends[2 * i + 1] : ends[2 * i];
      return true;
    }
    return false;
  };
  std::vector<Point2> forward, backward, line;
  for (size_t i = 0; i < n; ++i) {
    if (used[i]) continue;
    used[i] = true;
    forward.assign({ends[2 * i], ends[2 * i + 1]});
    backward.clear();
    Point2 p;
    while (next(forward.back(), &p)) forward.push_back(p);
    for (Point2 q = forward.front(); next(q, &p); q = p) backward.push_back(p);
    line.assign(backward.rbegin(), backward.rend());
    line.insert(line.end(), forward.begin(), forward.end());
    CutPolyline(line, on, off, &dashes);
  }
  return dashes;
}

void DashedNegatives::Segment(Point2 a, Point2 b, int k) {
  if (!(ContourLevel(levels_, k) < 0.0f)) {
    out_.Segment(a, b, k);
    return;
  }
  std::vector<Point2>& v = held_[k];
  v.push_back(a);
  v.push_back(b);
}

void DashedNegatives::Flush() {
  for (const auto& [k, ends] : held_) {
    const std::vector<Point2> dashes = DashSegments(ends, period_ / 2, period_ / 2);
    for (size_t i = 0; i + 1 < dashes.size(); i += 2) out_.Segment(dashes[i], dashes[i + 1], k);
  }
  held_.clear();
}

float DashPeriod(const ViewState& s) { return s.m_fMaxEdge / 60.0f; }

}  // namespace pyk
