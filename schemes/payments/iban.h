// SPDX-License-Identifier: MIT
// IBAN: the two check digits of an international bank account number
// (ISO 13616, ISO 7064 MOD 97-10). The code is the country code, the two
// check digits and the account part. To compute them, the country code moves
// behind the account part, letters become 10 ("A") to 35 ("Z"), "00" holds
// the place of the check digits, and 98 minus the remainder of that number
// divided by 97 gives them: DE and 370400440532013000 make
// 370400440532013000131400, whose remainder 9 gives "89". No country's length
// or format is tested: any country code and any account part of digits and
// letters within the length bounds is accepted.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct IBANFields {
  // Everything behind the country code and the check digits.
  std::string account_number;
  // The first two characters, not tested to be letters.
  std::string country_code;
};

// The check digits stand behind the country code; they are the integer -1
// until computed, then two digits "02" to "98".
class IBAN final : public Iso7064Number<IBAN, FieldValue, IBANFields> {
 public:
  IBAN();

  const std::string& AccountNumber() const { return fields().account_number; }
  const std::string& CountryCode() const { return fields().country_code; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  friend Iso7064Number;
  // Takes the country code followed by the account part.
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<IBAN> {
  static constexpr std::string_view kName = "IBAN";
  static constexpr std::string_view kDescription =
      "International bank account number: country code, two check digits, account; ISO 7064 MOD "
      "97-10";
  // Two letters of ISO 3166, read out as the country's name.
  static constexpr std::string_view kCountryField = "CountryCode";
  static constexpr std::string_view kWrittenForm = "#### *";
  static constexpr std::tuple kProperties{
      Property{"AccountNumber", &IBAN::AccountNumber},
      Property{"CheckDigit", &IBAN::CheckDigit},
      Property{"CountryCode", &IBAN::CountryCode},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("DE89370400440532013000"),
      Valid("GB82WEST12345698765432"),
      Valid("DE89 3704 0044 0532 0130 00",
            R"(AccountNumber="370400440532013000" CountryCode="DE")"),
      Valid("DE36"),
      // 34, the longest
      Valid("DE75111111111111111111111111111111"),
      Calculates("DE370400440532013000", "89",
                 R"(AccountNumber="370400440532013000" CountryCode="DE")"),
      Calculates("de37 0400-4405 3201 3000", "89"),
      Calculates("GBWEST12345698765432", "82"),
      // Every letter has its own value, 10 to 35.
      Calculates("DEABCDEFGHIJKLMNOPQRSTUVWXYZ", "10"),
      Calculates("DE", "36", R"(AccountNumber="" CountryCode="DE")"),
      // not tested to be letters
      Calculates("12345", "61", R"(CountryCode="12")"),
      // 32, the longest
      Calculates("DE111111111111111111111111111111", "75"),
      Calculates("DE1111111111111111111111111111111", "-1", R"(AccountNumber="" CountryCode="")"),
      // The fields are set before the characters are tested.
      Calculates("DE89.3704", "-1", R"(AccountNumber="89.3704" CheckDigit=-1 CountryCode="DE")"),
      Calculates("DE3704\xE9", "-1"),
      Invalid("DE751111111111111111111111111111111", "4 to 34 characters expected, 35 typed"),
      Invalid("DE00370400440532013000", "check digits should be 89, not 00", R"(CheckDigit="89")"),
      Invalid(" - ", "no number typed"),
      Invalid("DE7511111111111111111111111111111111", "4 to 34 characters expected, 36 typed"),
      Invalid("DE89.3704", "the character \".\" cannot stand at place 5"),
      Invalid("D_89 3704", "the character \"_\" cannot stand at place 2"),
  };
  // Examples end
};

}  // namespace numerant
