#include "cli/encoding.h"

#include <cstring>

namespace numerant::cli {
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

std::string Utf8ToLatin1(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Character c = DecodeUtf8(utf8, i);
    latin1.push_back(c.well_formed && c.code_point <= 0xFF ? static_cast<char>(c.code_point) : '?');
    i += c.length;
  }
  return latin1;
}

std::string_view Utf8ToLatin1(std::string_view utf8, std::string& storage) {
  if (IsAscii(utf8)) return utf8;
  storage = Utf8ToLatin1(utf8);
  return storage;
}

void AppendLatin1AsUtf8(std::string& out, std::string_view latin1) {
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

}  // namespace numerant::cli
