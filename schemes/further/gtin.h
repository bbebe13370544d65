// SPDX-License-Identifier: MIT
// gtin, sscc and gln: the GS1 numbers, all with the GS1 modulo-10 check
// digit (weights 3 and 1 from the right, as in an EAN).
//   gtin: the Global Trade Item Number as GTIN-8, GTIN-12 (UPC-A), GTIN-13
//         (EAN-13) or GTIN-14 (the number an ITF-14 carries, whose first
//         digit is the packaging indicator). `EAN` of the 52 keeps its EAN-8
//         and EAN-13.
//   sscc: the Serial Shipping Container Code of 18 digits, an extension
//         digit first.
//   gln:  the Global Location Number of 13 digits.
// The GS1 prefix is the first three digits of the company prefix, read in
// the 13-digit form (so "0" and the first two digits of a GTIN-12).
//   Gtin gtin;
//   gtin.Calculate("9841234567890");   // 8, IndicatorDigit "9", GS1Prefix "841"
//   gtin.Check("98412345678908");      // true
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

struct GtinFields {
  FieldValue indicator_digit;
  FieldValue gs1_prefix;
};

struct SsccFields {
  FieldValue extension_digit;
  FieldValue gs1_prefix;
};

struct GlnFields {
  FieldValue gs1_prefix;
};

// The check digit of each is 0 to 9, or -1 when none is known.
class Gtin final : public CheckDigitNumber<std::int16_t, GtinFields> {
 public:
  Gtin();

  const FieldValue& GS1Prefix() const { return fields().gs1_prefix; }
  // The packaging level of a GTIN-14; nothing for the shorter forms.
  const FieldValue& IndicatorDigit() const { return fields().indicator_digit; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

class Sscc final : public CheckDigitNumber<std::int16_t, SsccFields> {
 public:
  Sscc();

  // The digit the company chooses to extend its serial numbers.
  const FieldValue& ExtensionDigit() const { return fields().extension_digit; }
  const FieldValue& GS1Prefix() const { return fields().gs1_prefix; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

class Gln final : public CheckDigitNumber<std::int16_t, GlnFields> {
 public:
  Gln();

  const FieldValue& GS1Prefix() const { return fields().gs1_prefix; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Gtin> {
  static constexpr std::string_view kName = "gtin";
  static constexpr std::string_view kDisplayName = "GTIN";
  static constexpr std::string_view kDescription =
      "Global Trade Item Number, GTIN-8, -12, -13 and -14 (ITF-14); GS1 modulo 10";
  static constexpr std::string_view kArea = area::kTrade;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Gtin::CheckDigit},
      Property{"GS1Prefix", &Gtin::GS1Prefix},
      Property{"IndicatorDigit", &Gtin::IndicatorDigit},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("98412345678908", R"(IndicatorDigit="9" GS1Prefix="841")"),
      Valid("4006381333931", R"(IndicatorDigit=nothing GS1Prefix="400")"),
      Valid("036000291452", R"(GS1Prefix="003")"),
      Valid("96385074", R"(GS1Prefix="963")"),
      Invalid("98412345678907", "check digit should be 8, not 7"),
      Invalid("984123456789080", "8 or 12 to 14 digits expected, 15 typed"),
      Calculates("9841234567890", "8"),
  };
  // Examples end
};

template <>
struct Descriptor<Sscc> {
  static constexpr std::string_view kName = "sscc";
  static constexpr std::string_view kDisplayName = "SSCC";
  static constexpr std::string_view kDescription =
      "Serial Shipping Container Code of 18 digits; GS1 modulo 10";
  static constexpr std::string_view kArea = area::kTrade;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Sscc::CheckDigit},
      Property{"ExtensionDigit", &Sscc::ExtensionDigit},
      Property{"GS1Prefix", &Sscc::GS1Prefix},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("376130321109103420", R"(ExtensionDigit="3" GS1Prefix="761")"),
      Invalid("376130321109103421", "check digit should be 0, not 1"),
      Calculates("37613032110910342", "0"),
  };
  // Examples end
};

template <>
struct Descriptor<Gln> {
  static constexpr std::string_view kName = "gln";
  static constexpr std::string_view kDisplayName = "GLN";
  static constexpr std::string_view kDescription =
      "Global Location Number of 13 digits; GS1 modulo 10";
  static constexpr std::string_view kArea = area::kTrade;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Gln::CheckDigit},
      Property{"GS1Prefix", &Gln::GS1Prefix},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("4012345123456", R"(GS1Prefix="401")"),
      Calculates("401234512345", "6"),
      Invalid("4012345123457", "check digit should be 6, not 7"),
  };
  // Examples end
};

}  // namespace numerant
