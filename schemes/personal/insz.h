// INSZ: the Belgian national register number. Eleven digits: the birth date
// YYMMDD, a three-digit serial whose parity gives the sex (odd male, even
// female) and two check digits, 97 minus the nine-digit number modulo 97,
// worked out by a private Modulo97 object in its reversed form.
//   INSZ insz;
//   insz.Calculate("850315123");    // "69", SerialNumber() "123", Gender() 1
//   insz.Check("85.03.15-123.69");  // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/modulo97.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is the integer -1 until check digits are known, then a
// text of two digits.
class INSZ final : public CodeOnBlock<Modulo97> {
 public:
  INSZ();

  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return birth_date_; }
  // 1 male, 2 female, 0 not decoded.
  std::int32_t Gender() const { return gender_; }
  // The integer 0 until a number is decoded, then its three serial digits.
  const FieldValue& SerialNumber() const { return serial_number_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  void ResetFields() override;
  bool Prepare(std::string& body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::int32_t gender_ = 0;
  FieldValue serial_number_ = std::int16_t{0};
};

template <>
struct Descriptor<INSZ> {
  static constexpr std::string_view kName = "INSZ";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &INSZ::BirthDate}, Property{"CheckDigit", &INSZ::CheckDigit},
      Property{"Gender", &INSZ::Gender}, Property{"SerialNumber", &INSZ::SerialNumber}};
};

}  // namespace numerant
