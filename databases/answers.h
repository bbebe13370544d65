// SPDX-License-Identifier: MIT
// What the database extensions answer, apart from any database: the scheme
// found by name, the number handed over in UTF-8 (or ISO-8859-1), and the
// answer in the same encoding, JSON for a finding and for the fields.
//
// Nothing here throws. A database calls these functions from C, and neither
// a C++ exception nor a database's own jump out of an error may cross the
// other's frames, so every failure is an outcome the caller turns into its
// own error once these frames are gone.
#pragma once

#include <cstddef>
#include <string_view>

namespace numerant::databases {

// The encoding of the texts handed in and handed back.
enum class Encoding { kUtf8, kLatin1 };

enum class Outcome {
  kAnswer,
  // SQL's NULL: no check characters exist for this payload.
  kNull,
  // No scheme or building block has this name.
  kUnknownScheme,
  kOutOfMemory,
  // Anything else the library let escape; never expected.
  kFailure,
};

struct Answer {
  Outcome outcome = Outcome::kFailure;
  // Check: whether the number is valid.
  bool valid = false;
  // Calculate, Complete, Explain, Fields: the text, which stays valid until
  // the next call on the same thread.
  std::string_view text;
};

// Whether the complete number is valid.
Answer Check(std::string_view scheme, std::string_view number, Encoding encoding) noexcept;

// A scheme found once by name, for a caller that checks many numbers against
// it (a column against one scheme): it skips the search by name. A handle
// serves only the thread that resolved it, for as long as the thread lives.
struct SchemeHandle;
// The handle of the scheme of this name, or kUnknownScheme, kOutOfMemory or
// kFailure.
Outcome Resolve(std::string_view scheme, SchemeHandle*& handle) noexcept;
Answer Check(SchemeHandle& scheme, std::string_view number, Encoding encoding) noexcept;
// The check characters of a payload, as `numerant-cli calc` prints them, or
// null where the payload has none.
Answer Calculate(std::string_view scheme, std::string_view payload, Encoding encoding) noexcept;
// The payload with its check characters in their place, or null.
Answer Complete(std::string_view scheme, std::string_view payload, Encoding encoding) noexcept;
// The number in its customary written form, and as the scheme stores it,
// as `numerant-cli format` and `compact` print them; look-alikes of ASCII
// characters in UTF-8 text are read as those characters.
Answer Format(std::string_view scheme, std::string_view number, Encoding encoding) noexcept;
Answer Compact(std::string_view scheme, std::string_view number, Encoding encoding) noexcept;
// Why the number is valid or not: the "reason" object of
// `numerant-cli check --json`.
Answer Explain(std::string_view scheme, std::string_view number, Encoding encoding) noexcept;
// What checking the number leaves in the scheme's properties: the "fields"
// object of `numerant-cli check --json`.
Answer Fields(std::string_view scheme, std::string_view number, Encoding encoding) noexcept;

// One row of the list of schemes: the 52 schemes in list order, then the
// building blocks. `lengths` is JSON, [[min, max], ...] with max null for no
// upper end, as `numerant-cli list --json` writes it. The texts are UTF-8
// whatever the encoding of the other answers, and live as long as the
// program.
struct SchemeRow {
  std::string_view name;
  std::string_view description;
  std::string_view lengths;
};

std::size_t SchemeCount() noexcept;
// The row at `index` (below SchemeCount()), or kOutOfMemory or kFailure.
Outcome SchemeAt(std::size_t index, SchemeRow& row) noexcept;

}  // namespace numerant::databases
