// SPDX-License-Identifier: MIT
// DEA: the registration number of the US Drug Enforcement Administration, two
// letters (the registrant type "A" or "B" and the initial of the last name),
// six digits and a check digit. The six digits weigh 1, 2, 1, 2, 1 and 2 from
// the left (the odd-placed ones once, the even-placed twice), and the check
// digit is the last decimal digit of the weighted sum. AB123456: 1 + 4 + 3 +
// 8 + 5 + 12 = 33, so 3.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("AB1234563"),
      Valid("BJ6543210"),
      // upper-cased, hyphen stripped
      Valid("ab123456-3",
            R"(CheckDigit=3 LastNameInitial="B" PrescriberNumber="123456" RegistrantType="A")"),
      Calculates("AB123456", "3",
                 R"(LastNameInitial="B" PrescriberNumber="123456" RegistrantType="A")"),
      Calculates("BJ654321", "0",
                 R"(LastNameInitial="J" PrescriberNumber="654321" RegistrantType="B")"),
      Calculates("ab 123-456", "3", R"(RegistrantType="A")"),
      // Only A and B are registrant types, and the initial is a letter; the
      // fields are read only once both are.
      Calculates("FB123456", "-1", R"(LastNameInitial="" PrescriberNumber=0 RegistrantType="")"),
      Calculates("A1123456", "-1", R"(LastNameInitial="" PrescriberNumber=0 RegistrantType="")"),
      Calculates("AB12345X", "-1",
                 R"(LastNameInitial="B" PrescriberNumber="12345X" RegistrantType="A")"),
      Invalid("AB1234564", "check digit should be 3, not 4"),
      Invalid("CB1234563", "the letter C cannot stand at place 1"),
      Invalid("A-11234563", "the digit 1 cannot stand at place 3"),
      Invalid("AB12345X3", "the letter X cannot stand at place 8"),
  };
  // Examples end
};

}  // namespace numerant
