#include "dialogs/numbers.h"

#include <locale.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace pyk {

namespace {

// The C locale for the calling thread while it lives (Qt sets the user's).
class CLocaleScope {
 public:
  CLocaleScope() : m_hOld(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(m_hOld); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
  }

 private:
  locale_t m_hOld;
};

}  // namespace

QString FormatFloat(const char* format, double value) {
  CLocaleScope c;
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return QString::fromLatin1(text);
}

QString FormatInt(const char* format, int value) {
  CLocaleScope c;
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return QString::fromLatin1(text);
}

bool ScanFloat(const QString& text, float* value) {
  const QByteArray bytes = text.toLocal8Bit();
  CLocaleScope c;
  float f = 0.0f;
  if (std::sscanf(bytes.constData(), "%f", &f) != 1) return false;
  *value = f;
  return true;
}

int32_t TextToInt(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  const long n = strtol_l(bytes.constData(), nullptr, 10, CLocaleScope::CLocale());
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int32_t>(n);
}

float TextToFloat(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  return strtof_l(bytes.constData(), nullptr, CLocaleScope::CLocale());
}

int32_t TruncateToInt(double v) {
  if (!(v > -2147483649.0 && v < 2147483648.0)) return INT_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace pyk
