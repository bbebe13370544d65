// SPDX-License-Identifier: MIT
// s10: the UPU S10 identifier of an international postal item: two letters
// of the service indicator (E for EMS, R registered, C parcels, ...), an
// eight-digit serial number, a check digit and the two letters of the
// country of origin. With the weights 8 6 4 2 3 5 9 7 the check digit is
// 11 - (sum mod 11), 10 giving 0 and 11 giving 5.
//   12345678: 8 + 12 + 12 + 8 + 15 + 30 + 63 + 56 = 204, 204 mod 11 = 6, so 5.
//   S10 s10;
//   s10.Calculate("RB12345678GB");   // 5, ServiceIndicator "RB", CountryCode "GB"
//   s10.Check("RB123456785GB");      // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct S10Fields {
  FieldValue service_indicator;
  FieldValue serial;
  FieldValue country_code;
};

// The check digit, the eleventh character, is 0 to 9, or -1 when none is
// known; `Calculate` takes the twelve characters without it.
class S10 final : public CheckDigitNumber<std::int16_t, S10Fields> {
 public:
  S10();

  // The two letters of the country of origin.
  const FieldValue& CountryCode() const { return fields().country_code; }
  // The eight digits of the serial number.
  const FieldValue& Serial() const { return fields().serial; }
  // The two letters of the service.
  const FieldValue& ServiceIndicator() const { return fields().service_indicator; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<S10> {
  static constexpr std::string_view kName = "s10";
  static constexpr std::string_view kDisplayName = "UPU S10 item number";
  static constexpr std::string_view kDescription =
      "International postal item number; weights 8 6 4 2 3 5 9 7, 11 minus modulo 11";
  static constexpr std::string_view kArea = area::kTrade;
  // Two letters of ISO 3166, read out as the country's name.
  static constexpr std::string_view kCountryField = "CountryCode";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &S10::CheckDigit},
      Property{"CountryCode", &S10::CountryCode},
      Property{"Serial", &S10::Serial},
      Property{"ServiceIndicator", &S10::ServiceIndicator},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("RB123456785GB", R"(ServiceIndicator="RB" Serial="12345678" CountryCode="GB")"),
      Valid("RB123456785US"),
      Valid("ee 123 456 785 us"),
      // 11 - (56 mod 11) = 10 gives 0, and 11 - 0 = 11 gives 5.
      Valid("EE000000080GB"),
      Valid("EE000000005GB"),
      Invalid("RB123456784GB", "check digit should be 5, not 4"),
      Invalid("R1123456785GB", "the digit 1 cannot stand at place 2"),
      Calculates("RB12345678GB", "5"),
  };
  // Examples end
};

}  // namespace numerant
