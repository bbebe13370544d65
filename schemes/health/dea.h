// SPDX-License-Identifier: MIT
// DEA: the registration number of the US Drug Enforcement Administration, two
// letters (the registrant type "A" or "B" and the initial of the last name),
// six digits and a check digit. The six digits weigh 1, 2, 1, 2, 1 and 2 from
// the left (the odd-placed ones once, the even-placed twice), and the check
// digit is the last decimal digit of the weighted sum. AB123456: 1 + 4 + 3 +
// 8 + 5 + 12 = 33, so 3.
//   DEA dea;
//   dea.Calculate("AB123456");   // 3, RegistrantType() "A",
//                                // LastNameInitial() "B", PrescriberNumber() "123456"
//   dea.Check("ab123456-3");     // true: upper-cased, hyphen stripped
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct DEAFields {
  std::string last_name_initial;
  // The integer 0 until a number has been read, then its six digits' text.
  FieldValue prescriber_number = std::int16_t{0};
  std::string registrant_type;
};

class DEA final : public CheckDigitNumber<std::int16_t, DEAFields> {
 public:
  DEA();

  const std::string& LastNameInitial() const { return fields().last_name_initial; }
  const FieldValue& PrescriberNumber() const { return fields().prescriber_number; }
  const std::string& RegistrantType() const { return fields().registrant_type; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<DEA> {
  static constexpr std::string_view kName = "DEA";
  static constexpr std::string_view kDescription =
      "US Drug Enforcement Administration registration: two letters, six digits";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DEA::CheckDigit},
                                          Property{"LastNameInitial", &DEA::LastNameInitial},
                                          Property{"PrescriberNumber", &DEA::PrescriberNumber},
                                          Property{"RegistrantType", &DEA::RegistrantType}};
};

}  // namespace numerant
