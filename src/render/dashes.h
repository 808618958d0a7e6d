// Negative contour lines drawn dashed. A contour's segments come one cell at
// a time, too short to dash one by one, so the negative levels' segments are
// held back, joined into polylines at their shared crossing points and sent
// on as the dashes along each polyline. No OpenGL here.
#pragma once

#include <map>
#include <vector>

#include "render/contour.h"

namespace pyk {

// Dashes of `on` length with gaps of `off` along the polyline through the
// segments, which are joined where an end of one equals an end of another
// exactly. Each polyline starts with a dash. Returns the dashes as segments.
std::vector<Point2> DashSegments(const std::vector<Point2>& ends, float on, float off);

// A sink in front of another: segments of levels below zero are held until
// Flush, every other segment and every polygon passes straight on.
class DashedNegatives : public ContourSink {
 public:
  DashedNegatives(ContourSink& out, const ContourLevels& levels, float period)
      : out_(out), levels_(levels), period_(period) {}

  void Segment(Point2 a, Point2 b, int k) override;
  void Polygon(const Point2* v, int n, int k) override { out_.Polygon(v, n, k); }
  // The held levels' dashes, level by level in ascending order.
  void Flush();

 private:
  ContourSink& out_;
  const ContourLevels& levels_;
  float period_;  // a dash and its gap
  std::map<int, std::vector<Point2>> held_;
};

// The dash period for the view's map: a 60th of its longer edge.
float DashPeriod(const ViewState& s);

}  // namespace pyk
