// SPDX-License-Identifier: MIT
// The library's in-process Check on a file of numbers, one reused object of
// the concrete class, for the side-by-side with Apache Commons Validator
// (bench/java/CheckDigitBench.java runs the same file the same way):
//   numerant_check_loop Luhn|EAN|Verhoeff FILE [PASSES]
// Reads the lines into memory, runs one untimed pass, then PASSES timed
// passes (default 5) and prints the best: "NAME NUMBERS VALID NS_PER_CHECK".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "schemes/general/luhn.h"
#include "schemes/general/verhoeff.h"
#if __has_include("schemes/products/ean_upc.h")
#include "schemes/products/ean_upc.h"
#define NUMERANT_BENCH_EAN 1
#endif

namespace {

template <typename Class>
int Run(const char* name, const std::vector<std::string>& numbers, int passes) {
  Class scheme;
  std::size_t valid = 0;
  for (const std::string& number : numbers)
    valid += scheme.Check(number) ? 1U : 0U;
  double best = 1e300;
  for (int pass = 0; pass < passes; ++pass) {
    std::size_t count = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& number : numbers)
      count += scheme.Check(number) ? 1U : 0U;
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    if (count != valid) return 1;
    best = std::min(best, took.count() / static_cast<double>(numbers.size()));
  }
  std::printf("%s %zu %zu %.2f\n", name, numbers.size(), valid, best);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: numerant_check_loop Luhn|EAN|Verhoeff FILE [PASSES]\n");
    return 2;
  }
  const std::string_view scheme = argv[1];
  std::ifstream file(argv[2]);
  std::vector<std::string> numbers;
  for (std::string line; std::getline(file, line);)
    numbers.push_back(line);
  if (numbers.empty()) {
    std::fprintf(stderr, "no numbers in %s\n", argv[2]);
    return 2;
  }
  const int passes = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  if (scheme == "Luhn") return Run<numerant::Luhn>("Luhn", numbers, passes);
  if (scheme == "Verhoeff") return Run<numerant::Verhoeff>("Verhoeff", numbers, passes);
#ifdef NUMERANT_BENCH_EAN
  if (scheme == "EAN") return Run<numerant::EAN>("EAN", numbers, passes);
#endif
  std::fprintf(stderr, "numerant_check_loop: no class %s in this build\n", argv[1]);
  return 2;
}
