// The dialogs' number texts, through the program's C-locale conversions.
#include "dialogs/numbers.h"

#include <climits>

#include "text/c_numbers.h"

namespace pyk {

QString FormatFloat(const char* format, double value) {
  char text[64];
  FormatC(text, sizeof text, format, value);
  return QString::fromLatin1(text);
}

QString FormatInt(const char* format, int value) {
  char text[64];
  FormatC(text, sizeof text, format, value);
  return QString::fromLatin1(text);
}

bool ScanFloat(const QString& text, float* value) {
  const QByteArray bytes = text.toLocal8Bit();
  float f = 0.0f;
  if (ScanC(bytes.constData(), "%f", &f) != 1) return false;
  *value = f;
  return true;
}

int32_t TextToInt(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  const long n = ParseLongC(bytes.constData(), nullptr);
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int32_t>(n);
}

float TextToFloat(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  return ParseFloatC(bytes.constData(), nullptr);
}

int32_t TruncateToInt(double v) {
  if (!(v > -2147483649.0 && v < 2147483648.0)) return INT_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace pyk
