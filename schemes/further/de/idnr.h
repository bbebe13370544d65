// SPDX-License-Identifier: MIT
// de.idnr: the German tax identification number (steuerliche
// Identifikationsnummer), given to every resident since 2008.
//
// Eleven digits, the first not 0. Among the first ten, exactly one digit
// occurs twice or three times and every other digit at most once; a digit
// that occurs three times may not stand in three adjacent places. The
// eleventh is the ISO 7064 MOD 11,10 check digit of the ten.
//   3657426180: 6 occurs twice, every other digit once.
//   DeIdnr idnr;
//   idnr.Calculate("3657426180");   // 9
//   idnr.Check("36 574 261 809");   // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

class DeIdnr final : public Iso7064Number<DeIdnr, std::int16_t> {
 public:
  DeIdnr();

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<DeIdnr> {
  static constexpr std::string_view kName = "de.idnr";
  static constexpr std::string_view kDisplayName = "Steuer-IdNr";
  static constexpr std::string_view kDescription =
      "German tax identification number; one digit repeated, ISO 7064 MOD 11,10";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "## ### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DeIdnr::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("36 574 261 809"),
      Valid("65929970489"),
      Valid("86095742719"),
      // One digit twice or three times, not three in a row; the first not 0.
      Valid("11213456783"),
      Calculates("3657426180", "9"),
      Invalid("11123456786", "the digit 1 cannot stand at place 3"),
      Invalid("36554266806", "the digit 6 cannot stand at place 7"),
      Invalid("12345678903", "the digit 0 cannot stand at place 10"),
      Invalid("06574261809", "the digit 0 cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
