// Verhoeff: one decimal check digit from the dihedral group of order 10.
//
// It catches every single-digit error and every swap of adjacent digits, for
// payloads of any length:
//   Verhoeff v;
//   v.Calculate("236");   // 3
//   v.Check("2-3 6 3");   // true: blanks and hyphens are ignored
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "shell/scheme.h"

namespace numerant {

class Verhoeff {
 public:
  std::int16_t CheckDigit() const { return check_digit_; }

  std::int16_t Calculate(std::string_view number);
  bool Check(std::string_view number);

 private:
  // Resets the state, strips blanks and hyphens and reverses the text, so
  // that position 0 stands in the check-digit place.
  std::string Normalise(std::string_view number);
  bool Compute(std::string_view reversed);

  std::int16_t check_digit_ = -1;
};

template <>
struct Descriptor<Verhoeff> {
  static constexpr std::string_view kName = "Verhoeff";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Verhoeff::CheckDigit}};
};

}  // namespace numerant
