// SPDX-License-Identifier: MIT
// Just enough JSON for one object per line. What a line holds comes from the
// library's records (core/translation.h); this only writes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/scheme.h"
#include "core/translation.h"

namespace numerant::cli {

// Appends a JSON string literal of UTF-8 text. A byte that starts no
// well-formed UTF-8 sequence is written as U+FFFD, so the line stays valid
// UTF-8 whatever came in.
void AppendJsonString(std::string& out, std::string_view utf8);

// Appends a JSON string literal of the library's ISO-8859-1 text.
void AppendJsonText(std::string& out, std::string_view latin1);

// Appends {"Name": value, ...} with every field record of the scheme.
void AppendJsonFields(std::string& out, const Scheme& scheme);

// Appends {"Name": "type", ...}: the declared type of every field of a fresh
// object of the scheme.
void AppendJsonFieldTypes(std::string& out, const Scheme& fresh_scheme);

// Appends a finding record as {"kind": ..., ...} with the members it holds;
// its description is not written.
void AppendJsonFinding(std::string& out, const FindingRecord& finding);

// Appends [[min, max], ...], max null for no upper end.
void AppendJsonLengths(std::string& out, const std::vector<LengthPair>& lengths);

// Appends "check_characters", "check_length", "check_place", "payload_lengths"
// and "lengths" of a shape as members of an object, each after ", ".
void AppendJsonShape(std::string& out, const NumberShape& shape);

}  // namespace numerant::cli
