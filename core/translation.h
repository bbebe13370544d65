// SPDX-License-Identifier: MIT
// What the faces hand to their users, in one form for all of them: the
// command line, the Python module, the page and the database extensions
// render these records and nothing else; the window keeps Qt's own
// conversion.
//
// Text: the library reads and writes ISO-8859-1, one byte a character; the
// faces speak UTF-8 or whole code points. Every character up to U+00FF is
// that byte, and any other becomes "?", so that it never matches.
//
// A finding becomes a record with the members that apply to its kind, as
// numerant-cli --json writes its "reason"; the properties of a scheme object
// become one record a property, each with a JSON type that stays the same
// from number to number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/finding.h"
#include "core/scheme.h"

namespace numerant {

// ---- Text

// What a character outside ISO-8859-1 becomes.
inline constexpr char kNotLatin1 = '?';

constexpr char Latin1FromCodePoint(std::uint32_t code_point) noexcept {
  return code_point <= 0xFF ? static_cast<char>(code_point) : kNotLatin1;
}

// Text whose every unit is a whole code point (UTF-32, or the UCS-2 and UCS-4
// buffers Python keeps a str in): one byte each, a unit above 0xFF (a lone
// surrogate among them) one "?". A signed unit below 0 is no character either.
template <typename Unit>
std::string Latin1FromCodePoints(std::span<const Unit> units) {
  std::string latin1(units.size(), kNotLatin1);
  for (std::size_t i = 0; i < units.size(); ++i) {
    if constexpr (std::is_signed_v<Unit>) {
      if (units[i] < 0) continue;
    }
    latin1[i] = Latin1FromCodePoint(static_cast<std::uint32_t>(units[i]));
  }
  return latin1;
}

// One character read from UTF-8 text: its code point and how many bytes it
// took, or, for a byte that starts no well-formed sequence (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate),
// `well_formed` false and a length of 1.
struct Utf8Character {
  std::uint32_t code_point = 0;
  std::size_t length = 1;
  bool well_formed = false;
};

// The character that starts at `utf8[at]`, which must lie inside the text.
Utf8Character DecodeUtf8(std::string_view utf8, std::size_t at);

// Whether every byte is below 0x80.
bool IsAscii(std::string_view text);

// Each UTF-8 character becomes one ISO-8859-1 byte; a character outside that
// set becomes one "?", and so does each byte of a malformed sequence.
std::string Latin1FromUtf8(std::string_view utf8);
// The same without copying plain ASCII: the text itself when every byte is
// below 0x80, and otherwise the converted text held in `storage`.
std::string_view Latin1FromUtf8(std::string_view utf8, std::string& storage);

std::string Utf8FromLatin1(std::string_view latin1);

// The ASCII character a look-alike stands for, as people paste them from
// documents: dashes and minus signs are "-", spaces of every width "
// ", full-width forms their ASCII letters, digits and marks; 0 for a
// character without space (a zero-width space, a byte-order mark), which is
// dropped; and the code point itself for any other.
std::uint32_t AsciiLookalike(std::uint32_t code_point);
// Compact and Format read their UTF-8 input through this: each look-alike
// as its ASCII character, and then as Latin1FromUtf8.
std::string Latin1FromUtf8Lookalikes(std::string_view utf8);
void AppendUtf8FromLatin1(std::string& out, std::string_view latin1);

// ---- Findings

// An accepted range of lengths; no `max` for a range without an upper end.
struct LengthPair {
  std::size_t min = 0;
  std::optional<std::size_t> max;

  friend bool operator==(const LengthPair&, const LengthPair&) = default;
};

std::vector<LengthPair> RecordLengths(const Lengths& lengths);

// A finding with only the members that apply to its kind, texts in UTF-8.
// The members are declared in the order the faces write them.
struct FindingRecord {
  // "valid", "empty", "length", "character", "no-check-digit",
  // "check-digit", "date" or "prefix" (KindName).
  std::string_view kind = {};
  // Kind "length": how many characters were read, and the accepted lengths.
  std::optional<std::size_t> length = std::nullopt;
  std::optional<std::vector<LengthPair>> lengths = std::nullopt;
  // Kind "character": the place counted from 1 in the typed text, and the
  // character that may not stand there.
  std::optional<std::size_t> place = std::nullopt;
  std::optional<std::string> character = std::nullopt;
  // Kind "check-digit": the check characters the number should carry and
  // those it does.
  std::optional<std::string> expected = std::nullopt;
  std::optional<std::string> found = std::nullopt;
  // Kind "date": the date, YYYY-MM-DD, that the calendar does not have.
  std::optional<std::string> date = std::nullopt;
  // The finding in the library's words (Describe): "check digit should be
  // 3, not 4".
  std::string description = {};

  bool valid() const { return kind == KindName(Finding::Kind::kValid); }
  friend bool operator==(const FindingRecord&, const FindingRecord&) = default;
};

FindingRecord RecordFinding(const Finding& finding);

// ---- Fields

enum class JsonType { kBoolean, kNumber, kString };

// "boolean", "number" or "string".
std::string_view JsonTypeName(JsonType type);

// The type a property keeps from number to number: a bool is a boolean, a
// byte, integer or long a number, and a string a string. A FieldValue is a
// string too: it holds an integer only until a number has been decoded (0,
// or -1 for a check digit or EAN-8's manufacturer code), and a piece of the
// number's text afterwards.
JsonType DeclaredJsonType(const PropertyValue& value);

// Nothing (null), a boolean, a number or UTF-8 text.
using FieldContent = std::variant<std::monostate, bool, std::int64_t, std::string>;

// One public property of a scheme object as it stands: its name (the
// getter's, in static storage), its declared type, and its value in that
// type, or null. A FieldValue that holds no string is null: the integer it
// holds before decoding stands for "not decoded", and as a number it would
// change the field's type from number to number.
struct FieldRecord {
  std::string_view name;
  JsonType type = JsonType::kString;
  FieldContent value;

  friend bool operator==(const FieldRecord&, const FieldRecord&) = default;
};

FieldRecord RecordField(std::string_view name, const PropertyValue& value);

// Every public property of the object, in declaration order.
std::vector<FieldRecord> RecordFields(const Scheme& scheme);

}  // namespace numerant
