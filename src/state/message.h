// The one builder of message texts: printf-style formats checked by the
// compiler and written in the C locale, and numbers grouped by thousands for
// limits in messages.
#pragma once

#include <cstdarg>
#include <string>

#include "state/platform.h"

namespace pyk {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Shows the formatted message and returns -1, the refusal code of the readers.
int Refuse(Platform& platform, const char* format, ...) __attribute__((format(printf, 2, 3)));
// A whole number with a comma between groups of three digits: 1,000,000.
std::string Grouped(long long n);

}  // namespace pyk
