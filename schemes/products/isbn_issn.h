// SPDX-License-Identifier: MIT
// Book and serial numbers: `ISBN` (ISBN-10 and the ISBN-13 article numbers
// 978 and 979) and `ISSN` (ISSN-8 and ISSN in an EAN-13 under 977).
//
// The short forms end in a modulo-11 check character: the payload digits are
// weighted 10 down to 2 (ISBN) or 8 down to 2 (ISSN), and the check character
// brings the sum to a multiple of 11, "X" standing for 10.
//   ISBN 030640615: 0+27+0+42+24+0+24+3+10 = 130 = 11 x 11 + 9, so 11 - 9 = 2.
// The thirteen-digit forms are article numbers with the EAN check digit.
// Letters are upper-cased, so a trailing "x" is read as "X".
//   ISBN isbn;
//   isbn.Calculate("0-306-40615");        // "2"; GroupCode() == "03"
//   isbn.Check("0-8044-2957-x");          // true
//   ISSN issn;
//   issn.Calculate("977031784700");       // "1"
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

struct IsbnFields {
  FieldValue group_code = std::int16_t{0};
  FieldValue publisher_code = std::int16_t{0};
  FieldValue title_number = std::int16_t{0};
};

class ISBN final : public CheckDigitNumber<std::string, IsbnFields> {
 public:
  ISBN();

  const FieldValue& GroupCode() const { return fields().group_code; }
  const FieldValue& PublisherCode() const { return fields().publisher_code; }
  const FieldValue& TitleNumber() const { return fields().title_number; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

class ISSN final : public CheckDigitNumber<std::string> {
 public:
  ISSN();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ISBN> {
  static constexpr std::string_view kName = "ISBN";
  static constexpr std::string_view kDescription =
      "Book number, ISBN-10 (modulo 11, check X for 10) and ISBN-13 (prefix 978 or 979, as EAN)";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &ISBN::CheckDigit}, Property{"GroupCode", &ISBN::GroupCode},
      Property{"PublisherCode", &ISBN::PublisherCode}, Property{"TitleNumber", &ISBN::TitleNumber}};
};

template <>
struct Descriptor<ISSN> {
  static constexpr std::string_view kName = "ISSN";
  static constexpr std::string_view kDescription =
      "Serial publication number, ISSN-8 (modulo 11) and in an EAN-13 with prefix 977";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ISSN::CheckDigit}};
};

}  // namespace numerant
