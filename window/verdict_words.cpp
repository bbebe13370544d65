#include "window/verdict_words.h"

#include <array>
#include <cctype>
#include <string_view>
#include <type_traits>
#include <variant>

namespace numerant {
namespace {

std::string Capitalised(std::string text) {
  if (!text.empty()) {
    text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
  }
  return text;
}

// Field names whose words read better than the name split at its capitals.
struct FieldWords {
  std::string_view field;
  std::string_view words;
};
constexpr std::array kFieldWords{
    FieldWords{"BirthDate", "born"},        FieldWords{"IdentificationNumber", "serial"},
    FieldWords{"SerialNumber", "serial"},   FieldWords{"SequenceNumber", "sequence"},
    FieldWords{"AccountNumber", "account"}, FieldWords{"MajorIndustryCode", "industry"},
};

// "CountryCode" becomes "country code".
std::string Words(std::string_view field) {
  for (const FieldWords& entry : kFieldWords) {
    if (entry.field == field) return std::string(entry.words);
  }
  std::string words;
  for (char c : field) {
    if (std::isupper(static_cast<unsigned char>(c)) && !words.empty()) words += ' ';
    words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return words;
}

// The value in words; empty for a value the number did not set.
std::string ValueWords(std::string_view field, const PropertyValue& value) {
  return std::visit(
      [field](const auto& held) -> std::string {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return held ? Words(field) : "not " + Words(field);
        } else if constexpr (std::is_same_v<T, std::string>) {
          return held.empty() ? std::string() : Words(field) + " " + held;
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          return held.IsString() && !held.Text().empty()
                     ? Words(field) + " " + std::string(held.Text())
                     : std::string();
        } else {
          if (field == "Gender") return held == 1 ? "male" : held == 2 ? "female" : "";
          return held == 0 ? std::string() : Words(field) + " " + std::to_string(held);
        }
      },
      value);
}

}  // namespace

std::string ReasonSentence(const Finding& finding) {
  return Capitalised(Describe(finding));
}

std::string FieldsSentence(const Scheme& scheme) {
  std::string sentence;
  scheme.VisitProperties([&](std::string_view field, const PropertyValue& value) {
    // The check digit is on screen already, and a setting is no finding.
    if (field == "CheckDigit" || field == "Reverse") return;
    const std::string words = ValueWords(field, value);
    if (words.empty()) return;
    if (!sentence.empty()) sentence += ", ";
    sentence += words;
  });
  return sentence.empty() ? "The number is valid" : Capitalised(sentence);
}

}  // namespace numerant
