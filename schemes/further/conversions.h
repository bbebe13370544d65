// SPDX-License-Identifier: MIT
// The other form of a number that has two: ISMN's M form and 979-0 form,
// ISBN-10 and ISBN-13 (978 only: a 979 ISBN has no ISBN-10), and an ISSN and
// its EAN-13 (977, the seven digits, an issue code, the EAN check digit).
// A number of either form may be typed without its check characters: those
// of the other form are calculated. A number whose check characters are
// wrong, or that has no other form, gives "".
//   ConvertIsmn("M-3452-4680-5");   // "9790345246805"
//   ConvertIsbn("0-306-40615-2");   // "9780306406157"
//   ConvertIssn("0317-8471");       // "9770317847001"
//   ConvertIssn("0317-8471 05");    // "9770317847056", issue code 05
#pragma once

#include <string>
#include <string_view>

namespace numerant {

std::string ConvertIsmn(std::string_view number);
std::string ConvertIsbn(std::string_view number);
std::string ConvertIssn(std::string_view number);

}  // namespace numerant
