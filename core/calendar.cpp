// SPDX-License-Identifier: MIT
#include "core/calendar.h"

namespace numerant {
namespace {

void AppendPadded(std::string& text, int value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width)
    text.append(static_cast<std::size_t>(width) - digits.size(), '0');
  text += digits;
}

}  // namespace

std::string DateText(int year, int month, int day) {
  std::string text;
  text.reserve(10);
  AppendPadded(text, year, 4);
  if (month == 0) return text;
  text += '-';
  AppendPadded(text, month, 2);
  if (day == 0) return text;
  text += '-';
  AppendPadded(text, day, 2);
  return text;
}

std::string DateAsWritten(int year, int month, int day) {
  std::string text;
  AppendPadded(text, year, 4);
  text += '-';
  AppendPadded(text, month, 2);
  text += '-';
  AppendPadded(text, day, 2);
  return text;
}

}  // namespace numerant
