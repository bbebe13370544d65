// SPDX-License-Identifier: MIT
// How a number is written for people: a pattern that puts the characters of
// the compact form among separators.
//
// In a pattern each "#" takes the next character of the compact form and
// every other character is written as it stands: "####-####" makes
// "0024-9319" of "00249319". Alternatives for different lengths are divided
// by "|"; the first whose "#"s match the length is used, and a number no
// alternative fits keeps its compact form. A pattern that ends in "*" is
// repeated as often as the number needs and drops what it would write after
// the last character: "#### *" writes groups of four.
#pragma once

#include <string>
#include <string_view>

namespace numerant {

std::string ApplyWrittenForm(std::string_view pattern, std::string_view compact);

}  // namespace numerant
