// SPDX-License-Identifier: MIT
#include "core/translation.h"

#include <cstring>

namespace numerant {
namespace {

constexpr bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

Utf8Character DecodeUtf8(std::string_view utf8, std::size_t at) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  if (lead < 0x80) return {lead, 1, true};
  // The length of the sequence announced by its lead byte, and the smallest
  // code point it may carry (anything smaller is an overlong form).
  std::size_t length = 0;
  std::uint32_t code_point = 0;
  std::uint32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07u, minimum = 0x10000;
  }
  std::size_t taken = 1;
  while (length != 0 && taken < length && at + taken < utf8.size() &&
         IsContinuation(static_cast<unsigned char>(utf8[at + taken]))) {
    code_point = (code_point << 6) | (static_cast<unsigned char>(utf8[at + taken]) & 0x3Fu);
    ++taken;
  }
  const bool well_formed = length != 0 && taken == length && code_point >= minimum &&
                           code_point <= 0x10FFFF &&
                           !(code_point >= 0xD800 && code_point <= 0xDFFF);
  if (!well_formed) return {};
  return {code_point, length, true};
}

bool IsAscii(std::string_view text) {
  // Eight bytes at a time: a batch is mostly plain digits.
  std::uint64_t high = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    high |= word;
  }
  for (; i < text.size(); ++i)
    high |= static_cast<unsigned char>(text[i]);
  return (high & 0x8080808080808080u) == 0;
}

std::string Latin1FromUtf8(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Character c = DecodeUtf8(utf8, i);
    latin1.push_back(c.well_formed ? Latin1FromCodePoint(c.code_point) : kNotLatin1);
    i += c.length;
  }
  return latin1;
}

std::uint32_t AsciiLookalike(std::uint32_t code_point) {
  // Full-width forms stand 0xFEE0 above their ASCII characters.
  if (code_point >= 0xFF01 && code_point <= 0xFF5E) return code_point - 0xFEE0;
  switch (code_point) {
    case 0x00A0:  // no-break space
    case 0x1680:  // ogham space mark
    case 0x202F:  // narrow no-break space
    case 0x205F:  // medium mathematical space
    case 0x3000:  // ideographic space
      return ' ';
    case 0x00AD:  // soft hyphen
    case 0x2010:  // hyphen
    case 0x2011:  // non-breaking hyphen
    case 0x2012:  // figure dash
    case 0x2013:  // en dash
    case 0x2014:  // em dash
    case 0x2015:  // horizontal bar
    case 0x2043:  // hyphen bullet
    case 0x2212:  // minus sign
    case 0xFE58:  // small em dash
    case 0xFE63:  // small hyphen-minus
      return '-';
    case 0x2024:  // one dot leader
    case 0x2027:  // hyphenation point
    case 0x00B7:  // middle dot
      return '.';
    case 0x2044:  // fraction slash
    case 0x2215:  // division slash
      return '/';
    case 0x200B:  // zero-width space
    case 0x200C:  // zero-width non-joiner
    case 0x200D:  // zero-width joiner
    case 0x2060:  // word joiner
    case 0xFEFF:  // byte-order mark
      return 0;
    default:
      break;
  }
  // The spaces of typography, from the en quad to the hair space.
  if (code_point >= 0x2000 && code_point <= 0x200A) return ' ';
  return code_point;
}

std::string Latin1FromUtf8Lookalikes(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Character c = DecodeUtf8(utf8, i);
    i += c.length;
    if (!c.well_formed) {
      latin1.push_back(kNotLatin1);
      continue;
    }
    const std::uint32_t ascii = AsciiLookalike(c.code_point);
    if (ascii != 0 || c.code_point == 0) latin1.push_back(Latin1FromCodePoint(ascii));
  }
  return latin1;
}

std::string Scheme::CompactUtf8(std::string_view utf8) {
  return Utf8FromLatin1(Compact(Latin1FromUtf8Lookalikes(utf8)));
}

std::string Scheme::FormatUtf8(std::string_view utf8) {
  return Utf8FromLatin1(Format(Latin1FromUtf8Lookalikes(utf8)));
}

std::string_view Latin1FromUtf8(std::string_view utf8, std::string& storage) {
  if (IsAscii(utf8)) return utf8;
  storage = Latin1FromUtf8(utf8);
  return storage;
}

void AppendUtf8FromLatin1(std::string& out, std::string_view latin1) {
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
}

std::string Utf8FromLatin1(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  AppendUtf8FromLatin1(utf8, latin1);
  return utf8;
}

std::vector<LengthPair> RecordLengths(const Lengths& lengths) {
  std::vector<LengthPair> pairs;
  for (const LengthRange& range : lengths.ranges()) {
    pairs.push_back({range.min, range.max == LengthRange::kUnbounded
                                    ? std::nullopt
                                    : std::optional<std::size_t>(range.max)});
  }
  return pairs;
}

FindingRecord RecordFinding(const Finding& finding) {
  FindingRecord record;
  record.kind = KindName(finding.kind);
  switch (finding.kind) {
    case Finding::Kind::kWrongLength:
      record.length = finding.length;
      record.lengths = RecordLengths(finding.lengths);
      break;
    case Finding::Kind::kBadCharacter:
      record.place = finding.place;
      record.character = Utf8FromLatin1(std::string_view(&finding.character, 1));
      break;
    case Finding::Kind::kWrongCheckDigit:
      record.expected = Utf8FromLatin1(finding.expected);
      record.found = Utf8FromLatin1(finding.found);
      break;
    case Finding::Kind::kNoSuchDate:
      record.date = Utf8FromLatin1(finding.date);
      break;
    case Finding::Kind::kUnknownPrefix:
      record.found = Utf8FromLatin1(finding.found);
      break;
    case Finding::Kind::kValid:
    case Finding::Kind::kEmpty:
    case Finding::Kind::kNoCheckDigit:
      break;
  }
  record.description = Utf8FromLatin1(Describe(finding));
  return record;
}

std::string_view JsonTypeName(JsonType type) {
  switch (type) {
    case JsonType::kBoolean:
      return "boolean";
    case JsonType::kNumber:
      return "number";
    case JsonType::kString:
      break;
  }
  return "string";
}

JsonType DeclaredJsonType(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return JsonType::kBoolean;
        } else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, FieldValue>) {
          return JsonType::kString;
        } else {
          static_assert(std::is_integral_v<T>);
          return JsonType::kNumber;
        }
      },
      value);
}

FieldRecord RecordField(std::string_view name, const PropertyValue& value) {
  FieldRecord record{name, DeclaredJsonType(value), {}};
  std::visit(
      [&record](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          record.value = held;
        } else if constexpr (std::is_same_v<T, std::string>) {
          record.value = Utf8FromLatin1(held);
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          if (held.IsString()) record.value = Utf8FromLatin1(held.Text());
        } else {
          record.value = static_cast<std::int64_t>(held);
        }
      },
      value);
  return record;
}

std::vector<FieldRecord> RecordFields(const Scheme& scheme) {
  std::vector<FieldRecord> records;
  scheme.VisitProperties([&records](std::string_view name, const PropertyValue& value) {
    records.push_back(RecordField(name, value));
  });
  return records;
}

}  // namespace numerant
