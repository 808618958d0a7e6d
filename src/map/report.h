// The density report: the current section written as a text list.
#pragma once

#include <cstdio>
#include <functional>

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Writes the report of the current section to m_szListFile. Returns 0, or 1
// after "Output file not created !!" with m_nStatus set to -1.
int WriteDensityList(ViewState& s, Platform& platform);

// The report's lines written to an open stream.
void WriteDensityReport(const ViewState& s, FILE* out);

// The map statistics as "name value" lines: mean, sigma, min, max, points.
void WriteStatisticsReport(const ViewState& s, FILE* out);

// Writes m_szListFile with write, with the failures of WriteDensityList.
using ReportWriter = std::function<void(const ViewState& s, FILE* out)>;
int WriteListFile(ViewState& s, Platform& platform, const ReportWriter& write);
// The same for any path, with the message but leaving the status alone.
int WriteReportFile(const char* path, const ViewState& s, Platform& platform, const ReportWriter& write);

}  // namespace pyk
