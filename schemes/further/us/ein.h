// SPDX-License-Identifier: MIT
// us.ein: the United States Employer Identification Number of the IRS.
//
// Nine digits, written NN-NNNNNNN. The number has no check digit; the two
// leading digits are a prefix the IRS has given to one of its campuses (or
// to its internet and small-business channels), and a prefix it has never
// given makes the number invalid. `Calculate` gives "" and `Complete`
// nothing.
//   UsEin ein;
//   ein.Check("91-1144442");   // true, Campus "Philadelphia"
//   ein.Check("07-1144442");   // false: 07 is not given
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct UsEinFields {
  FieldValue campus;
};

// No check character: the check digit stays "".
class UsEin final : public CheckDigitNumber<std::string, UsEinFields> {
 public:
  UsEin();

  // Where the prefix was given: "Andover", ..., "Internet"; for 46, given
  // by two, "Internet or Philadelphia".
  const FieldValue& Campus() const { return fields().campus; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<UsEin> {
  static constexpr std::string_view kName = "us.ein";
  static constexpr std::string_view kDisplayName = "EIN";
  static constexpr std::string_view kDescription =
      "US Employer Identification Number with a prefix the IRS has given; no check digit";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::string_view kWrittenForm = "##-#######";
  static constexpr std::tuple kProperties{
      Property{"Campus", &UsEin::Campus},
      Property{"CheckDigit", &UsEin::CheckDigit},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("91-1144442", R"(Campus="Philadelphia")"),
      Valid("04-2103594", R"(Campus="Brookhaven")"),
      Valid("53-6904399", R"(Campus="Austin")"),
      Valid("911144442"),
      Valid("46-1144442", R"(Campus="Internet or Philadelphia")"),
      Calculates("911144442", ""),
      Invalid("07-1144442", "the digit 7 cannot stand at place 2"),
  };
  // Examples end
};

}  // namespace numerant
