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

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/articles/ean_upc.h"
#include "shell/field_value.h"
#include "shell/scheme.h"

namespace numerant {

// The shape shared by `ISBN` and `ISSN`. A class derives as
// `class ISSN : public PublicationNumber<ISSN>`, declares its base a friend
// and gives it the weights of its short stem (one per character, so their
// count is the short stem length) and the prefixes of its thirteen-digit
// form:
//   static constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};
//   static constexpr std::array<std::int16_t, 1> kArticlePrefixes{977};
// A class with fields also gives `ResetFields()` and `FillFields(stem,
// first)`, which cuts them out of the stem from character `first` on.
template <typename Derived>
class PublicationNumber {
 public:
  std::string Calculate(std::string_view code);
  bool Check(std::string_view code);

 protected:
  PublicationNumber() = default;

  void ResetFields() {}
  void FillFields(std::string_view, std::size_t) {}

  std::string check_digit_;

 private:
  // The weights are read only once `Derived` is complete.
  static constexpr std::size_t ShortStem() { return Derived::kWeights.size(); }
  static constexpr std::size_t kArticleStem = 12;

  Derived& self() { return static_cast<Derived&>(*this); }
  std::string Normalise(std::string_view code);
  bool Compute(std::string_view stem);
  bool ComputeModulo11(std::string_view stem);
  bool ComputeArticle(std::string_view stem);

  std::optional<EAN> ean_;
};

class ISBN : public PublicationNumber<ISBN> {
 public:
  const std::string& CheckDigit() const { return check_digit_; }
  const FieldValue& GroupCode() const { return group_code_; }
  const FieldValue& PublisherCode() const { return publisher_code_; }
  const FieldValue& TitleNumber() const { return title_number_; }

 private:
  friend class PublicationNumber<ISBN>;

  static constexpr std::array<std::int16_t, 9> kWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
  static constexpr std::array<std::int16_t, 2> kArticlePrefixes{978, 979};

  void ResetFields();
  void FillFields(std::string_view stem, std::size_t first);

  FieldValue group_code_{std::int16_t{0}};
  FieldValue publisher_code_{std::int16_t{0}};
  FieldValue title_number_{std::int16_t{0}};
};

class ISSN : public PublicationNumber<ISSN> {
 public:
  const std::string& CheckDigit() const { return check_digit_; }

 private:
  friend class PublicationNumber<ISSN>;

  static constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};
  static constexpr std::array<std::int16_t, 1> kArticlePrefixes{977};
};

extern template class PublicationNumber<ISBN>;
extern template class PublicationNumber<ISSN>;

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
