// Repeated measurements and their minimum, median and maximum.
#pragma once
#include <string>
#include <vector>

namespace bench {

struct Spread {
  double min = 0, median = 0, max = 0;
  bool measured = false;
};

Spread spreadOf(std::vector<double> values);
double millisecondsSince(long long startTicks);
long long nowTicks();
// "12.3" with one decimal; "-" when not measured.
std::string shown(double value, bool measured = true);

}  // namespace bench
