// SPDX-License-Identifier: MIT
// The library's in-process check on a file of numbers, one reused object of
// the concrete class, for the side-by-side with Apache Commons Validator
// (bench/java/CheckDigitBench.java runs the same file the same way):
//   numerant_check_loop Luhn|EAN|Verhoeff|IBAN FILE [PASSES] [IsValid|Check]
// Reads the lines into memory, runs one untimed pass, then PASSES timed
// passes (default 5) and prints the best: "NAME NUMBERS VALID NS_PER_CHECK".
// The route is the fieldless `IsValid` unless `Check` is asked for.
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
#include "schemes/payments/iban.h"
#if __has_include("schemes/products/ean_upc.h")
#include "schemes/products/ean_upc.h"
#define NUMERANT_BENCH_EAN 1
#endif

namespace {

template <typename Class, bool kCheck>
int Run(const char* name, const std::vector<std::string>& numbers, int passes) {
  Class scheme;
  const auto judge = [&scheme](const std::string& number) {
    if constexpr (kCheck) {
      return scheme.Check(number);
    } else {
      return scheme.IsValid(number);
    }
  };
  std::size_t valid = 0;
  for (const std::string& number : numbers)
    valid += judge(number) ? 1U : 0U;
  double best = 1e300;
  for (int pass = 0; pass < passes; ++pass) {
    std::size_t count = 0;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& number : numbers)
      count += judge(number) ? 1U : 0U;
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    if (count != valid) return 1;
    best = std::min(best, took.count() / static_cast<double>(numbers.size()));
  }
  std::printf("%s %zu %zu %.2f\n", name, numbers.size(), valid, best);
  return 0;
}

template <typename Class>
int Route(const char* name, const std::vector<std::string>& numbers, int passes, bool check) {
  return check ? Run<Class, true>(name, numbers, passes) : Run<Class, false>(name, numbers, passes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(
        stderr,
        "usage: numerant_check_loop Luhn|EAN|Verhoeff|IBAN FILE [PASSES] [IsValid|Check]\n");
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
  const bool check = argc > 4 && std::string_view(argv[4]) == "Check";
  if (scheme == "Luhn") return Route<numerant::Luhn>("Luhn", numbers, passes, check);
  if (scheme == "Verhoeff") return Route<numerant::Verhoeff>("Verhoeff", numbers, passes, check);
  if (scheme == "IBAN") return Route<numerant::IBAN>("IBAN", numbers, passes, check);
#ifdef NUMERANT_BENCH_EAN
  if (scheme == "EAN") return Route<numerant::EAN>("EAN", numbers, passes, check);
#endif
  std::fprintf(stderr, "numerant_check_loop: no class %s in this build\n", argv[1]);
  return 2;
}
