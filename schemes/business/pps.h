// PPS: the Irish personal public service number, seven digits and a check
// letter picked by the weighted sum of the digits modulo 23.
//   PPS pps;
//   pps.Calculate("1234567");   // "T"
//   pps.Check("1234567T");      // true; "1234567t" is not: the letter's case counts
#pragma once

#include <string>
#include <string_view>
#include <tuple>

#include "shell/scheme.h"

namespace numerant {

class PPS {
 public:
  // "" while no check letter is known.
  const std::string& CheckDigit() const { return check_digit_; }

  std::string Calculate(std::string_view code);
  bool Check(std::string_view code);

 private:
  std::string Normalise(std::string_view code);
  void Compute(std::string_view stem);

  std::string check_digit_;
};

template <>
struct Descriptor<PPS> {
  static constexpr std::string_view kName = "PPS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PPS::CheckDigit}};
};

}  // namespace numerant
