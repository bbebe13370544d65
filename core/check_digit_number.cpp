// SPDX-License-Identifier: MIT
#include "core/check_digit_number.h"

#include <algorithm>

#include "core/text.h"

namespace numerant {

std::string_view NumberCourse::StripAndFold(std::string_view number, bool fold) {
  RemoveSeparators(number, shape_.separators, text_);
  if (fold) ToUpperInPlace(text_);
  return text_;
}

std::string NumberCourse::Compact(std::string_view number) {
  std::string compact(NormaliseText(number));
  std::string again(NormaliseText(compact));
  if (again == compact) return compact;
  // Only the separators and the case.
  const bool fold = shape_.upper_case && HasSmallLetters(number);
  return std::string(ContainsAny(number, shape_.separators) || fold ? StripAndFold(number, fold)
                                                                    : number);
}

std::string_view NumberCourse::StripPrefixes(std::string_view text) {
  for (std::string_view prefix : shape_.prefixes) {
    if (!prefix.empty() && text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      prefix_length_ += prefix.size();
    }
  }
  return text;
}

std::string_view NumberCourse::JoinAround(std::string_view whole, std::size_t place,
                                          std::size_t length) {
  payload_.assign(whole.substr(0, place));
  payload_.append(whole.substr(place + length));
  return payload_;
}

std::size_t NumberCourse::TypedPlace(std::string_view typed, std::size_t index) const {
  // Upper-casing keeps every character in its place; only the removed
  // separators shift what follows them.
  // A removed prefix stands before the normalised text.
  index += prefix_length_;
  std::size_t seen = 0;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (shape_.separators.find(typed[i]) != std::string_view::npos) continue;
    if (seen == index) return i + 1;
    ++seen;
  }
  return typed.size();
}

bool NumberCourse::OfCheckKind(char c) const {
  switch (shape_.check_characters) {
    case CheckCharacters::kDigits:
      return IsDigit(c);
    case CheckCharacters::kLetters:
      return IsUpperLetter(c);
    case CheckCharacters::kDigitsAndLetters:
      return IsDigit(c) || IsUpperLetter(c);
    case CheckCharacters::kAny:
      return true;
  }
  return true;
}

std::string NumberCourse::Insert(std::string_view payload, std::string_view check_text) const {
  const std::size_t place = std::min(shape_.check_place, payload.size());
  std::string complete;
  complete.reserve(payload.size() + check_text.size());
  complete.append(payload.substr(0, place));
  complete.append(check_text);
  complete.append(payload.substr(place));
  return complete;
}

}  // namespace numerant
