#include "core/check_digit_number.h"

#include <algorithm>

#include "core/text.h"

namespace numerant {

std::string_view NumberCourse::NormaliseText(std::string_view number) {
  // A number with nothing to strip or fold is used as the caller gave it.
  const bool fold = shape_.upper_case && HasSmallLetters(number);
  if (!fold && !ContainsAny(number, shape_.separators)) return number;
  RemoveSeparators(number, shape_.separators, text_);
  if (fold) ToUpperInPlace(text_);
  return text_;
}

bool NumberCourse::Split(std::string_view whole, std::string_view& payload, CheckText& check_text) {
  const std::size_t length = shape_.check_length;
  if (length > CheckText::kMaxLength || whole.size() < length ||
      !shape_.payload_lengths.Contains(whole.size() - length)) {
    return false;
  }
  const std::size_t place = CheckPlace(whole.size());
  for (std::size_t i = 0; i < length; ++i)
    check_text.chars[i] = whole[place + i];
  check_text.size = length;
  payload = std::string_view(whole.data(), place);
  if (place + length < whole.size()) {
    // Check characters inside the number: the payload joins the parts
    // around them.
    payload_.assign(payload);
    payload_.append(whole.substr(place + length));
    payload = payload_;
  }
  return true;
}

std::size_t NumberCourse::TypedPlace(std::string_view typed, std::size_t index) const {
  // Upper-casing keeps every character in its place; only the removed
  // separators shift what follows them.
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
