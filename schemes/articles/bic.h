// BIC: the freight-container code of ISO 6346. Three owner letters, a
// category letter ("U", "J" or "Z"), six serial digits and a check digit from
// powers of two modulo 11.
//   BIC bic;
//   bic.Calculate("CSQU 305438");  // 3
//   bic.Check("csqu3054383");      // true
//
// Mind the names of the fields: the three owner letters are exposed as
// `CategoryCode` and the category letter as `OwnerCode`.
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

class BIC final : public CheckDigitNumber<std::int16_t> {
 public:
  BIC();

  // The three owner letters.
  const std::string& CategoryCode() const { return category_code_; }
  // The category letter.
  const std::string& OwnerCode() const { return owner_code_; }
  // The integer 0 until a code is parsed, then its six serial digits.
  const FieldValue& SerialNumber() const { return serial_number_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
  void ResetFields() override;

  std::string category_code_;
  std::string owner_code_;
  FieldValue serial_number_{std::int16_t{0}};
};

template <>
struct Descriptor<BIC> {
  static constexpr std::string_view kName = "BIC";
  static constexpr std::tuple kProperties{
      Property{"CategoryCode", &BIC::CategoryCode},
      Property{"CheckDigit", &BIC::CheckDigit},
      Property{"OwnerCode", &BIC::OwnerCode},
      Property{"SerialNumber", &BIC::SerialNumber},
  };
};

}  // namespace numerant
