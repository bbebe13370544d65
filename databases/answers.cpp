// SPDX-License-Identifier: MIT
#include "databases/answers.h"

#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "core/json_writer.h"
#include "core/translation.h"
#include "schemes/catalogue.h"

namespace numerant::databases {

// One object of each scheme class a thread has asked for, made on first use
// and kept: a scheme object is reset by every call, and making one for each
// row would cost more than answering it.
struct SchemeHandle {
  std::unique_ptr<Scheme> scheme;
  // What `Calculate` gives a payload without check characters ("-1" or ""
  // by class), as numerant-cli tells its answers with none.
  std::string unset_check_digit;
};

namespace {

using CachedScheme = SchemeHandle;

// Every entry of the catalogue, the listed schemes first.
std::size_t EntryCount() {
  return SchemeList().size() + BuildingBlocks().size();
}

const CatalogueEntry& EntryAt(std::size_t index) {
  const std::span<const CatalogueEntry> list = SchemeList();
  return index < list.size() ? list[index] : BuildingBlocks()[index - list.size()];
}

std::size_t IndexOf(const CatalogueEntry* entry) {
  const std::span<const CatalogueEntry> list = SchemeList();
  if (entry >= list.data() && entry < list.data() + list.size())
    return static_cast<std::size_t>(entry - list.data());
  return list.size() + static_cast<std::size_t>(entry - BuildingBlocks().data());
}

// What one thread keeps from call to call. PostgreSQL answers in one thread
// a process; SQLite may call from several threads at once, each with its
// own objects here.
struct ThreadState {
  std::vector<CachedScheme> schemes;
  // The name asked for last, exactly as written, and its scheme: a column is
  // mostly checked against one name written one way.
  std::string last_name;
  CachedScheme* last = nullptr;
  std::string input;
  std::string output;
};

thread_local ThreadState state;

Answer Without(Outcome outcome) {
  Answer answer;
  answer.outcome = outcome;
  return answer;
}

Answer ValidityAnswer(bool valid) {
  Answer answer = Without(Outcome::kAnswer);
  answer.valid = valid;
  return answer;
}

// The text kept in the thread's output.
Answer OutputAnswer() {
  Answer answer = Without(Outcome::kAnswer);
  answer.text = state.output;
  return answer;
}

// The scheme of this name in any case, or null.
CachedScheme* Find(std::string_view name) {
  if (state.last != nullptr && name == state.last_name) return state.last;
  const CatalogueEntry* entry = FindScheme(name);
  if (entry == nullptr) return nullptr;
  if (state.schemes.empty()) state.schemes.resize(EntryCount());
  CachedScheme& cached = state.schemes[IndexOf(entry)];
  if (!cached.scheme) {
    auto scheme = entry->create();
    cached.unset_check_digit = scheme->CalculateText("");
    cached.scheme = std::move(scheme);
  }
  state.last_name.assign(name);
  state.last = &cached;
  return &cached;
}

std::string_view ToLatin1(std::string_view text, Encoding encoding) {
  if (encoding == Encoding::kLatin1) return text;
  return Latin1FromUtf8(text, state.input);
}

// Sets the answer's text to library text (ISO-8859-1) in the caller's
// encoding.
Answer TextAnswer(std::string_view latin1, Encoding encoding) {
  if (encoding == Encoding::kLatin1 || IsAscii(latin1)) {
    state.output.assign(latin1);
  } else {
    state.output.clear();
    AppendUtf8FromLatin1(state.output, latin1);
  }
  return OutputAnswer();
}

// UTF-8 JSON, as the caller reads it.
Answer JsonAnswer(Encoding encoding) {
  if (encoding == Encoding::kLatin1 && !IsAscii(state.output)) {
    state.output = Latin1FromUtf8(std::string(state.output));
  }
  return OutputAnswer();
}

// A very long text once leaves its storage behind; a backend lives for
// hours and should not hold it.
void LetGoOfLongTexts() {
  constexpr std::size_t kKeptCapacity = 64 * 1024;
  if (state.input.capacity() > kKeptCapacity) std::string().swap(state.input);
  if (state.output.capacity() > kKeptCapacity) std::string().swap(state.output);
}

// Runs one answer, turning whatever escapes the library into an outcome.
template <typename Work>
Answer Guarded(std::string_view scheme_name, Work&& work) noexcept {
  try {
    CachedScheme* scheme = Find(scheme_name);
    if (scheme == nullptr) return Without(Outcome::kUnknownScheme);
    LetGoOfLongTexts();
    return work(*scheme);
  } catch (const std::bad_alloc&) {
    return Without(Outcome::kOutOfMemory);
  } catch (...) {
    return Without(Outcome::kFailure);
  }
}

}  // namespace

Answer Check(std::string_view scheme, std::string_view number, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    return ValidityAnswer(cached.scheme->IsValid(ToLatin1(number, encoding)));
  });
}

Outcome Resolve(std::string_view scheme, SchemeHandle*& handle) noexcept {
  try {
    handle = Find(scheme);
    return handle == nullptr ? Outcome::kUnknownScheme : Outcome::kAnswer;
  } catch (const std::bad_alloc&) {
    return Outcome::kOutOfMemory;
  } catch (...) {
    return Outcome::kFailure;
  }
}

Answer Check(SchemeHandle& scheme, std::string_view number, Encoding encoding) noexcept {
  try {
    LetGoOfLongTexts();
    return ValidityAnswer(scheme.scheme->IsValid(ToLatin1(number, encoding)));
  } catch (const std::bad_alloc&) {
    return Without(Outcome::kOutOfMemory);
  } catch (...) {
    return Without(Outcome::kFailure);
  }
}

Answer Calculate(std::string_view scheme, std::string_view payload, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    const std::string result = cached.scheme->CalculateText(ToLatin1(payload, encoding));
    if (result == cached.unset_check_digit) return Without(Outcome::kNull);
    return TextAnswer(result, encoding);
  });
}

Answer Complete(std::string_view scheme, std::string_view payload, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    const std::string complete = cached.scheme->Complete(ToLatin1(payload, encoding));
    if (complete.empty()) return Without(Outcome::kNull);
    return TextAnswer(complete, encoding);
  });
}

// The text, read as `Format` and `Compact` read it, in ISO-8859-1.
std::string ToLatin1ReadingLookalikes(std::string_view text, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return Latin1FromUtf8Lookalikes(text);
  // Of ISO-8859-1's own characters, the no-break space, the soft hyphen and
  // the middle dot.
  std::string latin1;
  latin1.reserve(text.size());
  for (const char c : text) {
    const auto code_point = static_cast<unsigned char>(c);
    const std::uint32_t ascii = AsciiLookalike(code_point);
    if (ascii != 0 || code_point == 0) latin1.push_back(static_cast<char>(ascii));
  }
  return latin1;
}

Answer Format(std::string_view scheme, std::string_view number, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    return TextAnswer(cached.scheme->Format(ToLatin1ReadingLookalikes(number, encoding)), encoding);
  });
}

Answer Compact(std::string_view scheme, std::string_view number, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    return TextAnswer(cached.scheme->Compact(ToLatin1ReadingLookalikes(number, encoding)),
                      encoding);
  });
}

Answer Explain(std::string_view scheme, std::string_view number, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    const FindingRecord finding = RecordFinding(cached.scheme->Explain(ToLatin1(number, encoding)));
    state.output.clear();
    AppendJsonFinding(state.output, finding);
    return JsonAnswer(encoding);
  });
}

Answer Fields(std::string_view scheme, std::string_view number, Encoding encoding) noexcept {
  return Guarded(scheme, [&](CachedScheme& cached) {
    cached.scheme->Check(ToLatin1(number, encoding));
    state.output.clear();
    AppendJsonFields(state.output, *cached.scheme);
    return JsonAnswer(encoding);
  });
}

std::size_t SchemeCount() noexcept {
  return EntryCount();
}

Outcome SchemeAt(std::size_t index, SchemeRow& row) noexcept {
  try {
    // The accepted lengths of every entry, written once.
    static const std::vector<std::string> lengths = [] {
      std::vector<std::string> all;
      for (std::size_t i = 0; i < EntryCount(); ++i) {
        std::string text;
        AppendJsonLengths(text, RecordLengths(EntryAt(i).create()->Shape().NumberLengths()));
        all.push_back(std::move(text));
      }
      return all;
    }();
    if (index >= lengths.size()) return Outcome::kFailure;
    const CatalogueEntry& entry = EntryAt(index);
    row = {.name = entry.name, .description = entry.description, .lengths = lengths[index]};
    return Outcome::kAnswer;
  } catch (const std::bad_alloc&) {
    return Outcome::kOutOfMemory;
  } catch (...) {
    return Outcome::kFailure;
  }
}

}  // namespace numerant::databases
