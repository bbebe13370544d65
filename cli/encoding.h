// The command line speaks UTF-8; the schemes read ISO-8859-1 bytes, exactly
// as the window hands over its text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace numerant::cli {

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

// Whether every byte is below 0x80, eight at a time.
bool IsAscii(std::string_view text);

// Each UTF-8 character becomes one ISO-8859-1 byte; a character outside that
// set, and each byte of a malformed sequence, becomes "?".
std::string Utf8ToLatin1(std::string_view utf8);

// The same without copying plain ASCII: returns the text itself when every
// byte is below 0x80, and otherwise the converted text held in `storage`.
std::string_view Utf8ToLatin1(std::string_view utf8, std::string& storage);

// Appends ISO-8859-1 text to a UTF-8 string.
void AppendLatin1AsUtf8(std::string& out, std::string_view latin1);

}  // namespace numerant::cli
