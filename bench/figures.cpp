#include "bench/figures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

Spread spreadOf(std::vector<double> values) {
  Spread s;
  if (values.empty()) return s;
  std::sort(values.begin(), values.end());
  s.min = values.front();
  s.max = values.back();
  const size_t n = values.size();
  s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  s.measured = true;
  return s;
}

long long nowTicks() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double millisecondsSince(long long startTicks) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return static_cast<double>(nowTicks() - startTicks) * 1000.0 / static_cast<double>(f.QuadPart);
}

std::string shown(double value, bool measured) {
  if (!measured) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace bench
