// Book and serial numbers: `ISBN` (ISBN-10 and the ISBN-13 article numbers
// 978 and 979) and `ISSN` (ISSN-8 and ISSN in an EAN-13 under 977). The short
// forms end in a modulo-11 check character ("X" stands for 10); the
// thirteen-digit forms are article numbers checked by a private `EAN`.
// Letters are upper-cased, so a trailing "x" is read as "X".
//   ISBN isbn;
//   isbn.Calculate("0-306-40615");        // "2"; GroupCode() == "03"
//   isbn.Check("0-8044-2957-x");          // true
//   ISSN issn;
//   issn.Calculate("977031784700");       // "1"
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/articles/ean_upc.h"
#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The shape shared by `ISBN` and `ISSN`: the weights of the short stem (one
// per character, so their count is the short stem length) and the prefixes
// of the thirteen-digit form. A class with fields gives `ResetFields` and
// `FillFields(stem, first)`, which cuts them out of the stem from character
// `first` on.
class PublicationNumber : public CheckDigitNumber<std::string> {
 protected:
  PublicationNumber(std::span<const std::int16_t> weights,
                    std::span<const std::int16_t> article_prefixes);

  virtual void FillFields(std::string_view /*stem*/, std::size_t /*first*/) {}

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::string> ComputeCheckDigit(std::string_view stem) override;
  std::optional<std::string> ComputeModulo11(std::string_view stem);
  std::optional<std::string> ComputeArticle(std::string_view stem);

  std::span<const std::int16_t> weights_;
  std::span<const std::int16_t> article_prefixes_;
  EAN ean_;
};

class ISBN final : public PublicationNumber {
 public:
  ISBN();

  const FieldValue& GroupCode() const { return group_code_; }
  const FieldValue& PublisherCode() const { return publisher_code_; }
  const FieldValue& TitleNumber() const { return title_number_; }

 private:
  void ResetFields() override;
  void FillFields(std::string_view stem, std::size_t first) override;

  FieldValue group_code_{std::int16_t{0}};
  FieldValue publisher_code_{std::int16_t{0}};
  FieldValue title_number_{std::int16_t{0}};
};

class ISSN final : public PublicationNumber {
 public:
  ISSN();
};

template <>
struct Descriptor<ISBN> {
  static constexpr std::string_view kName = "ISBN";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &ISBN::CheckDigit}, Property{"GroupCode", &ISBN::GroupCode},
      Property{"PublisherCode", &ISBN::PublisherCode}, Property{"TitleNumber", &ISBN::TitleNumber}};
};

template <>
struct Descriptor<ISSN> {
  static constexpr std::string_view kName = "ISSN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ISSN::CheckDigit}};
};

}  // namespace numerant
