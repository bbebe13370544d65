#include "cli/encoding.h"

#include <cstdint>
#include <cstring>

namespace numerant::cli {
namespace {

constexpr bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      latin1.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
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
    while (length != 0 && taken < length && i + taken < utf8.size() &&
           IsContinuation(static_cast<unsigned char>(utf8[i + taken]))) {
      code_point = (code_point << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3Fu);
      ++taken;
    }
    const bool well_formed = length != 0 && taken == length && code_point >= minimum &&
                             code_point <= 0x10FFFF &&
                             !(code_point >= 0xD800 && code_point <= 0xDFFF);
    if (!well_formed) {
      latin1.push_back('?');  // one "?" for the malformed lead byte alone
      ++i;
      continue;
    }
    latin1.push_back(code_point <= 0xFF ? static_cast<char>(code_point) : '?');
    i += taken;
  }
  return latin1;
}

std::string_view Utf8ToLatin1(std::string_view utf8, std::string& storage) {
  // Eight bytes at a time: plain ASCII has no byte with its top bit set.
  std::uint64_t high = 0;
  std::size_t i = 0;
  for (; i + 8 <= utf8.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, utf8.data() + i, 8);
    high |= word;
  }
  for (; i < utf8.size(); ++i)
    high |= static_cast<unsigned char>(utf8[i]);
  if ((high & 0x8080808080808080u) == 0) return utf8;
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
