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
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/check_digit_number.h"
#include "core/example.h"
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
  // Hyphenated by the registration-group ranges (isbn_ranges.h): prefix,
  // group, registrant, publication and check digit, the ISBN-10 without the
  // prefix. A number in a range not given out keeps its compact form.
  static std::vector<WrittenPart> WrittenParts(std::string_view compact);
  static std::string WrittenForm(std::string_view compact);
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &ISBN::CheckDigit}, Property{"GroupCode", &ISBN::GroupCode},
      Property{"PublisherCode", &ISBN::PublisherCode}, Property{"TitleNumber", &ISBN::TitleNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("0306406152"),
      Valid("9780306406157"),
      Valid("0-8044-2957-x", R"(CheckDigit="X" GroupCode="08")"),
      Calculates("0-306-40615", "2", R"(GroupCode="03" PublisherCode="0640" TitleNumber="615")"),
      Calculates("978123456789", "7", R"(GroupCode="12" PublisherCode="3456" TitleNumber="789")"),
      Calculates("979123456789", "6"),
      Calculates("03064O615", "", R"(CheckDigit="" GroupCode="03" TitleNumber="615")"),
      Calculates("97803064061A", "", R"(GroupCode="03" TitleNumber="61A")"),
      // Another prefix is no book's: the fields stay unread.
      Calculates("977030640615", "", R"(GroupCode=0 PublisherCode=0 TitleNumber=0)"),
      Invalid("978030640615X", "check character should be 7, not X",
              R"(CheckDigit="7" GroupCode="03")"),
      Invalid("", "no number typed"),
      Invalid("03064061", "10 or 13 digits expected, 8 typed"),
      Invalid("03064O6152", "the letter O cannot stand at place 6"),
      Invalid("97A0306406157", "the letter A cannot stand at place 3"),
      Invalid("9770306406157", "no check character exists for this number"),
  };
  // Examples end
};

template <>
struct Descriptor<ISSN> {
  static constexpr std::string_view kName = "ISSN";
  static constexpr std::string_view kDescription =
      "Serial publication number, ISSN-8 (modulo 11) and in an EAN-13 with prefix 977";
  static constexpr std::string_view kWrittenForm = "####-####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ISSN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("03178471"),
      Valid("9770317847001"),
      Valid("2434-561x"),
      Calculates("977031784700", "1"),
      Calculates("978031784700", ""),
      Invalid("03178472", "check character should be 1, not 2"),
      Invalid("977031784700X", "check character should be 1, not X"),
  };
  // Examples end
};

}  // namespace numerant
