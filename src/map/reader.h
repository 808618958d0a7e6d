// Loading a density map: the map file, its contour conditions, the plane and
// the starting section.
#pragma once

#include <string_view>

#include "view/platform.h"
#include "view/state.h"

namespace pyk {

// Reads the map file at path into the records, cell, grid and symmetry, then
// the contour conditions, and derives the contour spacing. 0 or -1.
int ReadMapFile(ViewState& s, Platform& platform, const char* path);

// Loads m_szMapFile, chooses the plane and starting section from (h k l) and
// computes the section. Returns 0 or -1 and leaves the result in m_nStatus.
int LoadMap(ViewState& s, Platform& platform);

// Start-up with file arguments: up to three words (map, report, contour
// file); missing words leave their field as it was. Shows "Data Input Error"
// when the load fails. Returns the load's result.
int LoadFromArguments(ViewState& s, Platform& platform, const std::string_view* words, int count);

// The contour conditions file: four lines, each converted on its own; a line
// that is missing or does not convert leaves its field unchanged. False when
// the file cannot be opened.
bool ReadConFile(ViewState& s, const char* path);

// The two-column test on line 3 of a map file: five or more tokens and a "."
// in the fifth.
bool LooksTwoColumn(std::string_view line3);

}  // namespace pyk
