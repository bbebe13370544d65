#include "schemes/articles/isbn_issn.h"

#include <algorithm>

#include "shell/characters.h"
#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// The check character brings the weighted sum to a multiple of 11; the value
// 10 is written "X".
constexpr std::array<char, 11> kCheckCharacters{'0', 'X', '9', '8', '7', '6',
                                                '5', '4', '3', '2', '1'};

}  // namespace

template <typename Derived>
std::string PublicationNumber<Derived>::Calculate(std::string_view code) {
  const std::string stem = Normalise(code);
  if (stem.size() == ShortStem() || stem.size() == kArticleStem) Compute(stem);
  return check_digit_;
}

template <typename Derived>
bool PublicationNumber<Derived>::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != ShortStem() + 1 && text.size() != kArticleStem + 1) return false;
  const std::string_view stem = std::string_view(text).substr(0, text.size() - 1);
  return Compute(stem) && check_digit_ == std::string_view(text).substr(text.size() - 1);
}

template <typename Derived>
std::string PublicationNumber<Derived>::Normalise(std::string_view code) {
  check_digit_.clear();
  self().ResetFields();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

template <typename Derived>
bool PublicationNumber<Derived>::Compute(std::string_view stem) {
  return stem.size() == kArticleStem ? ComputeArticle(stem) : ComputeModulo11(stem);
}

template <typename Derived>
bool PublicationNumber<Derived>::ComputeModulo11(std::string_view stem) {
  self().FillFields(stem, 1);
  Int16 sum = 0;
  for (std::size_t i = 0; i < stem.size() && i < ShortStem(); ++i) {
    if (!IsDigit(stem[i])) return false;
    sum += Int16(Derived::kWeights[i]) * DigitValue(stem[i]);
  }
  if (!sum.ok()) return false;
  check_digit_.assign(1, kCheckCharacters[static_cast<std::size_t>(sum.value() % 11)]);
  return true;
}

// Only the prefixes of the scheme make an article number one of its numbers;
// the check digit is the article number's.
template <typename Derived>
bool PublicationNumber<Derived>::ComputeArticle(std::string_view stem) {
  const std::optional<std::int16_t> prefix = ParseDecimal16(Characters(stem, 1, 3));
  if (!prefix ||
      std::ranges::find(Derived::kArticlePrefixes, *prefix) == Derived::kArticlePrefixes.end()) {
    return false;
  }
  self().FillFields(stem, 4);
  if (!ean_) ean_.emplace();
  if (ean_->Calculate(stem) == -1) return false;
  check_digit_.assign(1, static_cast<char>('0' + ean_->CheckDigit()));
  return true;
}

template class PublicationNumber<ISBN>;
template class PublicationNumber<ISSN>;

void ISBN::ResetFields() {
  group_code_ = std::int16_t{0};
  publisher_code_ = std::int16_t{0};
  title_number_ = std::int16_t{0};
}

// Group, publisher and title stand at fixed places, filled before any digit
// is tested: from the first character of a ten-character number, from the
// fourth (after the prefix) of a thirteen-digit one.
void ISBN::FillFields(std::string_view stem, std::size_t first) {
  group_code_ = Characters(stem, first, first + 1);
  publisher_code_ = Characters(stem, first + 2, first + 5);
  title_number_ = Characters(stem, first + 6, first + 8);
}

}  // namespace numerant
