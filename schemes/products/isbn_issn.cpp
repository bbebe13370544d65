// SPDX-License-Identifier: MIT
#include "schemes/products/isbn_issn.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/text.h"
#include "core/weighted_sum.h"
#include "schemes/products/isbn_ranges.h"

namespace numerant {
namespace {

// The check character for each remainder of the weighted sum modulo 11: the
// one that brings the sum to a multiple of 11, 10 written "X".
constexpr std::array<char, 11> kModulo11Characters{'0', 'X', '9', '8', '7', '6',
                                                   '5', '4', '3', '2', '1'};

constexpr std::array<std::int16_t, 9> kIsbnWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 7> kIssnWeights{8, 7, 6, 5, 4, 3, 2};

// The article-number prefixes that make a thirteen-digit number a book's or
// a serial's.
constexpr std::array<std::int16_t, 2> kIsbnPrefixes{978, 979};
constexpr std::array<std::int16_t, 1> kIssnPrefixes{977};

constexpr std::size_t kArticlePayload = 12;

NumberShape PublicationShape(std::size_t short_payload) {
  return {.separators = " -",
          .upper_case = true,
          .payload_lengths = {{short_payload, short_payload}, {kArticlePayload, kArticlePayload}},
          .check_characters = CheckCharacters::kDigitsAndLetters};
}

// The modulo-11 check character of a short payload; nothing when a character
// is not a digit.
std::optional<std::string> Modulo11Character(std::string_view payload,
                                             std::span<const std::int16_t> weights) {
  const auto sum = WeightedDigitSum(payload, weights);
  if (!sum) return std::nullopt;
  return std::string(1, kModulo11Characters[static_cast<std::size_t>(*sum % 11)]);
}

// Whether the first three characters are digits that read as one of the
// prefixes; nothing when they are not all digits.
std::optional<bool> HasPrefix(std::string_view payload, std::span<const std::int16_t> prefixes) {
  const std::optional<std::int16_t> prefix = ParseDecimal16(Characters(payload, 1, 3));
  if (!prefix) return std::nullopt;
  return std::find(prefixes.begin(), prefixes.end(), *prefix) != prefixes.end();
}

// The EAN check digit of a thirteen-digit form, as a character.
std::optional<std::string> ArticleCharacter(std::string_view payload) {
  const auto check_digit = Modulo10CheckDigit(payload);
  if (!check_digit) return std::nullopt;
  return std::string(1, static_cast<char>('0' + *check_digit));
}

}  // namespace

ISBN::ISBN() : CheckDigitNumber(PublicationShape(kIsbnWeights.size())) {}

// Group, publisher and title stand at fixed places, cut before any digit is
// tested: from the first character of a ten-character number, from the
// fourth (after the prefix) of a thirteen-digit one, and there only once the
// prefix is known to be a book's.
std::optional<std::string> ISBN::ComputeCheckDigit(std::string_view payload) {
  std::size_t first = 1;
  if (payload.size() == kArticlePayload) {
    const auto book = HasPrefix(payload, kIsbnPrefixes);
    if (!book) return RejectNonDigit(payload);
    if (!*book) return std::nullopt;
    first = 4;
  }
  if (!fieldless_) {
    fields_.group_code = Characters(payload, first, first + 1);
    fields_.publisher_code = Characters(payload, first + 2, first + 5);
    fields_.title_number = Characters(payload, first + 6, first + 8);
  }
  auto check = payload.size() == kArticlePayload ? ArticleCharacter(payload)
                                                 : Modulo11Character(payload, kIsbnWeights);
  if (check) return check;
  return RejectNonDigit(payload);
}

ISSN::ISSN() : CheckDigitNumber(PublicationShape(kIssnWeights.size())) {}

std::optional<std::string> ISSN::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() == kArticlePayload) {
    const auto serial = HasPrefix(payload, kIssnPrefixes);
    if (!serial) return RejectNonDigit(payload);
    if (!*serial) return std::nullopt;
  }
  auto check = payload.size() == kArticlePayload ? ArticleCharacter(payload)
                                                 : Modulo11Character(payload, kIssnWeights);
  if (check) return check;
  return RejectNonDigit(payload);
}

std::vector<WrittenPart> Descriptor<ISBN>::WrittenParts(std::string_view compact) {
  // An ISBN-10 is split as the ISBN-13 it stands for, 978 and its nine
  // digits; the check digit does not take part.
  const bool ten = compact.size() == 10;
  std::string thirteen(compact);
  if (ten) thirteen = "978" + thirteen.substr(0, 9) + "0";
  const std::optional<IsbnParts> parts = SplitIsbn(thirteen);
  if (!parts) return {};
  std::vector<WrittenPart> written;
  if (!ten) written.push_back({"prefix", parts->prefix});
  written.push_back({"group", parts->group});
  written.push_back({"registrant", parts->registrant});
  written.push_back({"publication", parts->publication});
  written.push_back({"check_digit", ten ? std::string(compact.substr(9)) : parts->check_digit});
  return written;
}

std::string Descriptor<ISBN>::WrittenForm(std::string_view compact) {
  std::string written;
  for (const WrittenPart& part : WrittenParts(compact)) {
    if (!written.empty()) written += '-';
    written += part.text;
  }
  return written.empty() ? std::string(compact) : written;
}

}  // namespace numerant
