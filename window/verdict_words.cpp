// SPDX-License-Identifier: MIT
#include "window/verdict_words.h"

#include <string_view>
#include <utility>

#include "core/translation.h"

namespace numerant {
namespace {

// Upper-cases a leading ASCII letter; a date or name in another script
// stays as it is.
std::string Capitalised(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') {
    text.front() = static_cast<char>(text.front() - 'a' + 'A');
  }
  return text;
}

std::string Utf8(std::string_view latin1) {
  std::string text;
  AppendUtf8FromLatin1(text, latin1);
  return text;
}

}  // namespace

std::string ReasonSentence(const Finding& finding) {
  return Capitalised(Utf8(Describe(finding)));
}

std::string FieldsSentence(const Scheme& scheme, const FactWriters& writers) {
  Facts facts = scheme.Tell();
  // The number's characters are ISO-8859-1.
  for (Fact& fact : facts)
    fact.text = Utf8(fact.text);
  const std::string sentence = FactsSentence(facts, writers);
  return sentence.empty() ? "The number is valid" : Capitalised(sentence);
}

}  // namespace numerant
