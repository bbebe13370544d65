// SPDX-License-Identifier: MIT
// imei: the International Mobile Equipment Identity: the eight digits of the
// type allocation code (TAC, whose first two name the reporting body), six of
// the serial number and the Luhn check digit. The IMEISV, the same fourteen
// digits followed by a two-digit software version instead of the check
// digit, has no check digit: it is accepted as it stands, and `Kind` says
// "IMEISV" and `HasCheckDigit` false.
//   Imei imei;
//   imei.Calculate("49015420323751");    // 8
//   imei.Check("35-686800-004141-20");   // true, the IMEISV
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

struct ImeiFields {
  FieldValue kind;
  FieldValue reporting_body;
  FieldValue tac;
  FieldValue serial;
  FieldValue software_version;
  bool has_check_digit = false;
};

// The check digit is 0 to 9, or -1 when none is known; for an IMEISV it is
// the last digit as it stands.
class Imei final : public CheckDigitNumber<std::int16_t, ImeiFields> {
 public:
  Imei();

  // Whether the number carries a check digit: true for an IMEI.
  bool HasCheckDigit() const { return fields().has_check_digit; }
  // "IMEI" or "IMEISV".
  const FieldValue& Kind() const { return fields().kind; }
  // The first two digits of the TAC.
  const FieldValue& ReportingBody() const { return fields().reporting_body; }
  // Digits 9 to 14.
  const FieldValue& Serial() const { return fields().serial; }
  // The last two digits of an IMEISV.
  const FieldValue& SoftwareVersion() const { return fields().software_version; }
  // The type allocation code, digits 1 to 8.
  const FieldValue& TAC() const { return fields().tac; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
  std::optional<std::int16_t> ComputeCheckDigitAgainst(std::string_view payload,
                                                       std::string_view found) override;
};

template <>
struct Descriptor<Imei> {
  static constexpr std::string_view kName = "imei";
  static constexpr std::string_view kDisplayName = "IMEI";
  static constexpr std::string_view kDescription =
      "Mobile equipment identity; Luhn check digit, or an IMEISV, which has none";
  static constexpr std::string_view kArea = area::kTrade;
  static constexpr std::string_view kWrittenForm = "##-######-######-#|##-######-######-##";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Imei::CheckDigit},
      Property{"HasCheckDigit", &Imei::HasCheckDigit},
      Property{"Kind", &Imei::Kind},
      Property{"ReportingBody", &Imei::ReportingBody},
      Property{"Serial", &Imei::Serial},
      Property{"SoftwareVersion", &Imei::SoftwareVersion},
      Property{"TAC", &Imei::TAC},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("490154203237518",
            R"(Kind="IMEI" HasCheckDigit=true ReportingBody="49" TAC="49015420" Serial="323751")"),
      Valid("35-686800-004141-8"),
      // An IMEISV: no check digit, its last two digits the software version.
      Valid("3568680000414120",
            R"(Kind="IMEISV" HasCheckDigit=false SoftwareVersion="20" TAC="35686800")"),
      Invalid("490154203237519", "check digit should be 8, not 9"),
      Invalid("49015420323751", "15 to 16 digits expected, 14 typed"),
      Invalid("356868000041412X", "the letter X cannot stand at place 16"),
      Calculates("49015420323751", "8"),
      Calculates("356868000041412", "-1"),
      Valid("3568680000414120"),
  };
  // Examples end
};

}  // namespace numerant
