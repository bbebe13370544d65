// SPDX-License-Identifier: MIT
// The window's verdict in plain words, for the tooltips of its two pictures
// and for screen readers: why a number is not valid, and what a valid one
// tells.
#pragma once

#include <string>

#include "core/facts.h"
#include "core/finding.h"
#include "core/scheme.h"

namespace numerant {

// "Check digit should be 7, not 3", "8 or 13 digits expected, 12 typed";
// UTF-8.
std::string ReasonSentence(const Finding& finding);

// What a valid number tells, from the fields the scheme decoded, dates and
// countries written by `writers`, in UTF-8: "Born 15 March 1985, female,
// serial 123" for a PESEL; "The number is valid" when it tells nothing more.
std::string FieldsSentence(const Scheme& scheme, const FactWriters& writers);

}  // namespace numerant
