// Loading a density map: the map file, its contour conditions, the plane and
// the starting section. A load is all or nothing.
#pragma once

#include <string_view>

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Where a load takes its contour conditions from.
enum class ConSource {
  kBeside,  // the .con file beside the map, or the Contour Conditions dialog
  kGiven,   // m_szConFile as it stands (the command line's third word)
};

// Reads the map file at path into m: records, cell, grid and symmetry, then
// the contour conditions, the column copy and the contour spacing. A file
// that cannot be opened, ends early, has text where a number must stand or
// goes beyond a capacity is refused with a message naming it: -1, and m is
// then partly written. 0 when the whole map was read.
int ReadMapFile(MapRecord& m, Platform& platform, const char* path, ConSource con = ConSource::kBeside);

// The files of one load; a report or contour path left unset keeps the
// report path, and takes the contour file beside the map.
struct LoadRequest {
  std::string_view map;
  const std::string_view* report = nullptr;
  const std::string_view* con = nullptr;
};

// Reads the request's files into a fresh record and, only when the whole
// map was read, makes it the shown map: the plane and starting section from
// (h k l), the section number on it, and the section computed. A refused
// load changes nothing of the view; m_nStatus becomes -1 only while no map
// is held. Returns 0 or -1.
int LoadMap(ViewState& s, Platform& platform, const LoadRequest& request);
// Loads m_szMapFile again with the contour file beside it (Default View).
int LoadMap(ViewState& s, Platform& platform);

// Start-up with file arguments: up to three words (map, report, contour
// file); missing words leave their field as it was. Shows "Data Input Error"
// when the load fails. Returns the load's result.
int LoadFromArguments(ViewState& s, Platform& platform, const std::string_view* words, int count);

// The contour conditions file: four lines, each converted on its own; a line
// that is missing or does not convert leaves its field unchanged. False when
// the file cannot be opened.
bool ReadConFile(MapRecord& m, const char* path);

// The two-column test on line 3 of a map file: five or more tokens and a "."
// in the fifth.
bool LooksTwoColumn(std::string_view line3);

}  // namespace pyk
