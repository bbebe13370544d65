// SPDX-License-Identifier: MIT
#include "schemes/further/conversions.h"

#include "core/text.h"
#include "schemes/further/ismn.h"
#include "schemes/products/isbn_issn.h"

namespace numerant {
namespace {

// The text without blanks and hyphens (and full stops, which ISMN takes),
// in capitals.
std::string Compact(std::string_view number, std::string_view separators) {
  std::string text = RemoveSeparators(number, separators);
  ToUpperInPlace(text);
  return text;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

}  // namespace

std::string ConvertIsmn(std::string_view number) {
  const std::string text = Compact(number, " -.");
  Ismn ismn;
  // The eight digits between the form's opening and the check digit.
  std::string_view digits;
  bool old_form = false;
  if (text.size() == 9 || text.size() == 10) {
    old_form = true;
    digits = std::string_view(text).substr(1, 8);
  } else if (text.size() == 12 || text.size() == 13) {
    if (!std::string_view(text).starts_with("9790")) return {};
    digits = std::string_view(text).substr(4, 8);
  } else {
    return {};
  }
  const bool whole = text.size() == 10 || text.size() == 13;
  if (whole && !ismn.Check(text)) return {};
  if (old_form && text.front() != 'M') return {};
  return ismn.Complete((old_form ? std::string("9790") : std::string("M")).append(digits));
}

std::string ConvertIsbn(std::string_view number) {
  const std::string text = Compact(number, " -");
  ISBN isbn;
  const bool whole = text.size() == 10 || text.size() == 13;
  if (whole && !isbn.Check(text)) return {};
  if (text.size() == 9 || text.size() == 10) {
    if (!AllDigits(std::string_view(text).substr(0, 9))) return {};
    return isbn.Complete("978" + text.substr(0, 9));
  }
  if ((text.size() == 12 || text.size() == 13) && text.starts_with("978"))
    return isbn.Complete(text.substr(3, 9));
  return {};
}

std::string ConvertIssn(std::string_view number) {
  const std::string text = Compact(number, " -");
  ISSN issn;
  if (text.size() == 12 || text.size() == 13) {
    if (!text.starts_with("977")) return {};
    if (text.size() == 13 && !issn.Check(text)) return {};
    return issn.Complete(text.substr(3, 7));
  }
  // Seven or eight characters of the ISSN, then perhaps two digits of the
  // issue code.
  std::string issn_part = text;
  std::string issue = "00";
  if (text.size() == 9 || text.size() == 10) {
    issn_part = text.substr(0, text.size() - 2);
    issue = text.substr(text.size() - 2);
  }
  if (issn_part.size() == 8 && !issn.Check(issn_part)) return {};
  if (issn_part.size() != 7 && issn_part.size() != 8) return {};
  if (!AllDigits(issn_part.substr(0, 7)) || !AllDigits(issue)) return {};
  return issn.Complete("977" + issn_part.substr(0, 7) + issue);
}

}  // namespace numerant
