// PNR: the Swedish personal identity number. Ten digits: the birth date
// YYMMDD, a three-digit serial whose last digit gives the sex (odd male, even
// female) and a Luhn check digit, worked out by a private Luhn object.
//   PNR pnr;
//   pnr.Calculate("850315123");  // 8, BirthDate() "850315", Gender() 1
//   pnr.Check("850315-1238");    // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/luhn.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class PNR final : public CodeOnBlock<Luhn> {
 public:
  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return birth_date_; }
  // 1 male, 2 female, 0 not decoded.
  std::int32_t Gender() const { return gender_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  void ResetFields() override;
  bool Prepare(std::string& body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::int32_t gender_ = 0;
};

template <>
struct Descriptor<PNR> {
  static constexpr std::string_view kName = "PNR";
  static constexpr std::tuple kProperties{Property{"BirthDate", &PNR::BirthDate},
                                          Property{"CheckDigit", &PNR::CheckDigit},
                                          Property{"Gender", &PNR::Gender}};
};

}  // namespace numerant
