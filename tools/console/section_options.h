// The options both command-line tools share: the face and the section to
// show, by its number or by a fractional coordinate along the face's normal.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "map/section_choice.h"
#include "text/c_numbers.h"

namespace pyk {

struct SectionOptions {
  int plane = -1;
  bool haveSection = false;
  long section = 0;
  bool haveAt = false;
  double at = 0.0;
};

// Takes argv[*i] (and its value, advancing *i) when it is --face, --section
// or --at. Returns 1 when taken, 0 for any other argument, -1 with *problem
// set when the value is missing or wrong or --section and --at are both given.
inline int ParseSectionOption(int argc, char** argv, int* i, SectionOptions* o, const char** problem) {
  const std::string_view a = argv[*i];
  if (a == "--face") {
    const std::string_view f = *i + 1 < argc ? argv[++*i] : "";
    if (f == "l") {
      o->plane = kPlane00L;
    } else if (f == "h") {
      o->plane = kPlaneH00;
    } else if (f == "k") {
      o->plane = kPlane0K0;
    } else {
      *problem = "--face needs l, h or k";
      return -1;
    }
    return 1;
  }
  if (a == "--section") {
    if (*i + 1 == argc) {
      *problem = "--section needs a number";
      return -1;
    }
    const char* text = argv[++*i];
    char* end = nullptr;
    errno = 0;
    o->section = ParseLongC(text, &end);
    if (end == text || *end != '\0' || errno != 0) {
      *problem = "--section needs a whole number";
      return -1;
    }
    o->haveSection = true;
  } else if (a == "--at") {
    if (*i + 1 == argc || !ParseFiniteC(argv[++*i], &o->at)) {
      *problem = "--at needs a number";
      return -1;
    }
    o->haveAt = true;
  } else {
    return 0;
  }
  if (o->haveSection && o->haveAt) {
    *problem = "--section and --at cannot both be given";
    return -1;
  }
  return 1;
}

// Shows the face, then sets the section number held within 0 .. the section
// count, as the section steps hold it, or the section nearest the fraction.
inline void ApplySectionOptions(ViewState& s, const SectionOptions& o) {
  if (o.plane >= 0) SelectFace(s, o.plane);
  if (o.haveSection) {
    const long n = o.section < 0 ? 0 : (o.section > s.m_nSectionCount ? s.m_nSectionCount : o.section);
    SelectSection(s, static_cast<int>(n));
  } else if (o.haveAt) {
    SelectSection(s, SectionAt(s, o.at));
  }
}

}  // namespace pyk
