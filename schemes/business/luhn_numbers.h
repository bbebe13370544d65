// Numbers whose one trailing check digit is the Luhn digit, worked out by a
// private Luhn object:
//   SIREN  French company number: eight digits.
//   DUNS   Dun & Bradstreet number: eight digits.
//   NPI    US provider identifier: nine digits, the Luhn digit taken over
//          the prefix 80840 and the nine digits.
//   SIN    Canadian social insurance number: eight digits, the first of them
//          shown as the region.
// One implementation serves all four.
//   NPI npi;
//   npi.Calculate("123456789");   // 3
//   SIN sin;
//   sin.Check("046-454-286");     // true, RegionCode() 0
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/luhn.h"
#include "core/scheme.h"

namespace numerant {

struct LuhnLayout {
  // The digits before the check digit.
  std::size_t stem_length;
  // Put in front of the stem before the Luhn digit is taken.
  std::string_view prefix;
  // The first digit of the stem is read as a region.
  bool region_code;
};

// The one implementation behind SIREN, DUNS, NPI and SIN.
class LuhnNumber : public CodeOnBlock<Luhn> {
 protected:
  explicit LuhnNumber(const LuhnLayout& layout) : layout_(layout) {}

  // The value of the first digit of the last stem, 0 when it is no digit.
  std::uint8_t FirstDigit() const { return first_digit_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  LuhnLayout layout_;
  std::uint8_t first_digit_ = 0;
};

class SIREN final : public LuhnNumber {
 public:
  SIREN();
};

class DUNS final : public LuhnNumber {
 public:
  DUNS();
};

class NPI final : public LuhnNumber {
 public:
  NPI();
};

class SIN final : public LuhnNumber {
 public:
  SIN();

  std::uint8_t RegionCode() const { return FirstDigit(); }
};

template <>
struct Descriptor<SIREN> {
  static constexpr std::string_view kName = "SIREN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIREN::CheckDigit}};
};

template <>
struct Descriptor<DUNS> {
  static constexpr std::string_view kName = "DUNS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DUNS::CheckDigit}};
};

template <>
struct Descriptor<NPI> {
  static constexpr std::string_view kName = "NPI";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NPI::CheckDigit}};
};

template <>
struct Descriptor<SIN> {
  static constexpr std::string_view kName = "SIN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIN::CheckDigit},
                                          Property{"RegionCode", &SIN::RegionCode}};
};

}  // namespace numerant
