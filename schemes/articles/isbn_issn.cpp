#include "schemes/articles/isbn_issn.h"

#include <algorithm>
#include <array>

#include "core/characters.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// The check character brings the weighted sum to a multiple of 11; the value
// 10 is written "X".
constexpr std::array<char, 11> kCheckCharacters{'0', 'X', '9', '8', '7', '6',
                                                '5', '4', '3', '2', '1'};

constexpr std::size_t kArticleStem = 12;

constexpr std::array<std::int16_t, 9> kIsbnWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 2> kIsbnPrefixes{978, 979};
constexpr std::array<std::int16_t, 7> kIssnWeights{8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 1> kIssnPrefixes{977};

}  // namespace

PublicationNumber::PublicationNumber(std::span<const std::int16_t> weights,
                                     std::span<const std::int16_t> article_prefixes)
    : CheckDigitNumber({.separators = " -", .upper_case = true}),
      weights_(weights),
      article_prefixes_(article_prefixes) {}

bool PublicationNumber::AcceptsStemLength(std::size_t length) const {
  return length == weights_.size() || length == kArticleStem;
}

std::optional<std::string> PublicationNumber::ComputeCheckDigit(std::string_view stem) {
  return stem.size() == kArticleStem ? ComputeArticle(stem) : ComputeModulo11(stem);
}

std::optional<std::string> PublicationNumber::ComputeModulo11(std::string_view stem) {
  FillFields(stem, 1);
  const auto sum = WeightedDigitSum(stem, weights_);
  if (!sum) return std::nullopt;
  return std::string(1, kCheckCharacters[static_cast<std::size_t>(*sum % 11)]);
}

// Only the prefixes of the scheme make an article number one of its numbers;
// the check digit is the article number's.
std::optional<std::string> PublicationNumber::ComputeArticle(std::string_view stem) {
  const std::optional<std::int16_t> prefix = ParseDecimal16(Characters(stem, 1, 3));
  if (!prefix || std::find(article_prefixes_.begin(), article_prefixes_.end(), *prefix) ==
                     article_prefixes_.end()) {
    return std::nullopt;
  }
  FillFields(stem, 4);
  if (ean_.Calculate(stem) == -1) return std::nullopt;
  return std::string(1, static_cast<char>('0' + ean_.CheckDigit()));
}

ISBN::ISBN() : PublicationNumber(kIsbnWeights, kIsbnPrefixes) {}

ISSN::ISSN() : PublicationNumber(kIssnWeights, kIssnPrefixes) {}

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
