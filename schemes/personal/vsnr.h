// VSNR: the German social insurance number, RR DDMMYY L SS C.
//
// Region, birth date, the initial of the birth surname and a serial that
// gives the sex (00 to 49 men, 50 to 99 women). The letter is expanded to the
// two digits of its alphabet position, the twelve digits are weighted, and
// the digit sums of the products add up to the check digit modulo 10.
//   VSNR vsnr;
//   vsnr.Calculate("15070649C10");   // 3
//   vsnr.Check("15 070649 c 103");   // true: the letter is folded to upper case
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class VSNR final : public CheckDigitNumber<std::int16_t> {
 public:
  VSNR();

  const FieldValue& BirthDate() const { return birth_date_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& RegionCode() const { return region_code_; }
  const std::string& RegistrantLetter() const { return registrant_letter_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view body) override;
  void ResetFields() override;

  FieldValue birth_date_ = std::int16_t{0};
  std::int32_t gender_ = 0;
  FieldValue region_code_ = std::int16_t{0};
  std::string registrant_letter_;
};

template <>
struct Descriptor<VSNR> {
  static constexpr std::string_view kName = "VSNR";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &VSNR::BirthDate}, Property{"CheckDigit", &VSNR::CheckDigit},
      Property{"Gender", &VSNR::Gender}, Property{"RegionCode", &VSNR::RegionCode},
      Property{"RegistrantLetter", &VSNR::RegistrantLetter}};
};

}  // namespace numerant
