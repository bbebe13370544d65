// BZU and NIH: numbers whose check digit comes from the ISO 7064 MOD 11,10
// recurrence. Starting from the product 10, each digit gives the intermediate
// value s = (digit + product mod 11) mod 10, taken as 10 when it is 0, and
// the next product 2s. BZU takes 11 minus the last product reduced modulo 11,
// which is 10 when that product is 1 and then no final digit matches; NIH
// looks the last intermediate value up in a table and always gets a digit.
//   BZU bzu;
//   bzu.Calculate("1234 5678 9012");   // 4
//   NIH nih;
//   nih.Check("123456789-7");          // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The intermediate value s (1 to 10) of the recurrence after the last digit;
// nothing when a character is not a digit or there is none.
std::optional<int> LastMod1110Intermediate(std::string_view digits);

class BZU final : public CheckDigitNumber<std::int16_t> {
 public:
  BZU();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
};

class NIH final : public CheckDigitNumber<std::int16_t> {
 public:
  NIH();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
};

template <>
struct Descriptor<BZU> {
  static constexpr std::string_view kName = "BZU";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BZU::CheckDigit}};
};

template <>
struct Descriptor<NIH> {
  static constexpr std::string_view kName = "NIH";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NIH::CheckDigit}};
};

}  // namespace numerant
