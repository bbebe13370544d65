// SPDX-License-Identifier: MIT
// figi: the Financial Instrument Global Identifier: two letters naming the
// certified provider (not BS, BM, GG, GB or VG, which would read as ISIN
// country codes), "G", eight characters and a check digit, all of them digits
// or consonants. Digits count themselves and letters 10 to 35; every second
// value from the left is doubled, the decimal digits of all values are added,
// and the check digit brings the total to a multiple of 10.
//   Figi figi;
//   figi.Calculate("BBG000BLNQ1");   // 6, Prefix "BB"
//   figi.Check("BBG000BLNQ16");      // true
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

struct FigiFields {
  FieldValue prefix;
};

// The check digit is 0 to 9, or -1 when none is known.
class Figi final : public CheckDigitNumber<std::int16_t, FigiFields> {
 public:
  Figi();

  // The two letters of the certified provider, "BB" for Bloomberg.
  const FieldValue& Prefix() const { return fields().prefix; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Figi> {
  static constexpr std::string_view kName = "figi";
  static constexpr std::string_view kDisplayName = "FIGI";
  static constexpr std::string_view kDescription =
      "Financial Instrument Global Identifier; every second value doubled, digits added, modulo "
      "10";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Figi::CheckDigit},
      Property{"Prefix", &Figi::Prefix},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("BBG000BLNQ16", R"(Prefix="BB")"),
      Valid("BBG000002KG4"),
      Valid("BBG00002MG40"),
      Invalid("BBG000BLNQ14", "check digit should be 6, not 4"),
      // BS would read as the ISIN country of the Bahamas.
      Invalid("BSG000BLNQ16", "the letter S cannot stand at place 2"),
      Invalid("BBA000BLNQ16", "the letter A cannot stand at place 3"),
      Invalid("BBG000ALNQ16", "the letter A cannot stand at place 7"),
      Calculates("BBG000BLNQ1", "6"),
  };
  // Examples end
};

}  // namespace numerant
