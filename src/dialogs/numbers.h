// Numbers in the C runtime's text forms (printf, sscanf "%f", atoi, atof),
// read and written in the C locale whatever the user's locale is.
#pragma once

#include <QString>
#include <cstdint>

namespace pyk {

// value formatted with a printf format holding one floating-point conversion.
QString FormatFloat(const char* format, double value);
// value formatted with a printf format holding one integer conversion.
QString FormatInt(const char* format, int value);

// sscanf(text, "%f", value): true when the text (after blanks) begins with a
// number; otherwise *value is left alone. Text after the number is ignored.
bool ScanFloat(const QString& text, float* value);

// atoi: blanks, a sign and decimal digits up to the first other character;
// 0 without a number, the int bound on overflow.
int32_t TextToInt(const QString& text);

// atof: the leading number of the text as a float, 0 without a number.
float TextToFloat(const QString& text);

// v truncated toward zero; NaN and values beyond the int range give INT_MIN,
// as the processor's conversion does.
int32_t TruncateToInt(double v);

}  // namespace pyk
