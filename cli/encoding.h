// The command line speaks UTF-8; the schemes read ISO-8859-1 bytes, exactly
// as the window hands over its text.
#pragma once

#include <string>
#include <string_view>

namespace numerant::cli {

// Each UTF-8 character becomes one ISO-8859-1 byte; a character outside that
// set, and each byte of a malformed sequence, becomes "?".
std::string Utf8ToLatin1(std::string_view utf8);

// The same without copying plain ASCII: returns the text itself when every
// byte is below 0x80, and otherwise the converted text held in `storage`.
std::string_view Utf8ToLatin1(std::string_view utf8, std::string& storage);

// Appends ISO-8859-1 text to a UTF-8 string.
void AppendLatin1AsUtf8(std::string& out, std::string_view latin1);

}  // namespace numerant::cli
