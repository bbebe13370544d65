// SPDX-License-Identifier: MIT
// The PostgreSQL extension `numerant`: the library's schemes as SQL
// functions (numerant--1.0.sql declares them).
//
// PostgreSQL reports an error by jumping out of the function, past any C++
// destructor on the way, and the library must not throw into PostgreSQL's
// frames. So the two never share a frame: these functions hold only plain
// values while they call PostgreSQL, and call the library only through
// databases/answers.h, which catches everything and answers with an outcome
// that is turned into PostgreSQL's error here, after the library's frames
// are gone.

// PostgreSQL 15 marks nothing for export on this platform; the module is
// built with hidden symbols, so its entry points say so themselves.
#define PGDLLEXPORT __attribute__((visibility("default")))

// postgres.h comes before every other header of the server.
// clang-format off
extern "C" {
#include <postgres.h>

#include <fmgr.h>
#include <funcapi.h>
#include <mb/pg_wchar.h>
#include <utils/builtins.h>
#include <utils/fmgrprotos.h>
#include <utils/tuplestore.h>
}
// clang-format on

#include <string_view>

#include "databases/answers.h"

namespace answers = numerant::databases;

// Each function and the record that tells the server how to call it.
#define NUMERANT_FUNCTION(name)             \
  PGDLLEXPORT Datum name(PG_FUNCTION_ARGS); \
  PG_FUNCTION_INFO_V1(name)

extern "C" {
PG_MODULE_MAGIC;

NUMERANT_FUNCTION(numerant_check);
NUMERANT_FUNCTION(numerant_calculate);
NUMERANT_FUNCTION(numerant_complete);
NUMERANT_FUNCTION(numerant_format_number);
NUMERANT_FUNCTION(numerant_compact);
NUMERANT_FUNCTION(numerant_explain);
NUMERANT_FUNCTION(numerant_fields);
NUMERANT_FUNCTION(numerant_schemes);
}

namespace {

// The longest piece of a scheme name an error message quotes.
constexpr int kQuotedNameBytes = 64;

// A text argument as bytes in the library's terms: UTF-8 or ISO-8859-1 as
// they stand, text of any other server encoding converted to UTF-8 first.
// SQL_ASCII is taken for UTF-8, as numerant-cli takes its bytes.
struct Argument {
  std::string_view bytes;
  answers::Encoding encoding;
};

answers::Encoding DatabaseEncoding() {
  return GetDatabaseEncoding() == PG_LATIN1 ? answers::Encoding::kLatin1 : answers::Encoding::kUtf8;
}

bool NeedsConversion() {
  const int encoding = GetDatabaseEncoding();
  return encoding != PG_UTF8 && encoding != PG_SQL_ASCII && encoding != PG_LATIN1;
}

Argument ReadText(FunctionCallInfo fcinfo, int index) {
  text* value = PG_GETARG_TEXT_PP(index);
  const char* data = VARDATA_ANY(value);
  int length = static_cast<int>(VARSIZE_ANY_EXHDR(value));
  if (NeedsConversion()) {
    const char* utf8 = pg_server_to_any(data, length, PG_UTF8);
    if (utf8 != data) length = static_cast<int>(strlen(utf8));
    data = utf8;
  }
  return {std::string_view(data, static_cast<std::size_t>(length)), DatabaseEncoding()};
}

[[noreturn]] void RaiseOutcome(answers::Outcome outcome, std::string_view scheme) {
  if (outcome == answers::Outcome::kUnknownScheme) {
    // The name as typed, cut at a character boundary when it is long.
    const int length = static_cast<int>(scheme.size());
    const int quoted = pg_mbcliplen(scheme.data(), length, kQuotedNameBytes);
    ereport(ERROR, (errcode(ERRCODE_INVALID_PARAMETER_VALUE),
                    errmsg("unknown scheme \"%.*s%s\"", quoted, scheme.data(),
                           quoted < length ? "..." : ""),
                    errhint("SELECT name FROM numerant.schemes() lists the schemes.")));
  }
  if (outcome == answers::Outcome::kOutOfMemory) {
    ereport(ERROR, (errcode(ERRCODE_OUT_OF_MEMORY), errmsg("out of memory")));
  }
  ereport(ERROR, (errcode(ERRCODE_INTERNAL_ERROR), errmsg("numerant could not answer")));
  pg_unreachable();
}

// The answer's text as a server string (NUL-terminated, palloc'd).
char* ServerString(std::string_view utf8_or_latin1) {
  const int length = static_cast<int>(utf8_or_latin1.size());
  if (NeedsConversion()) {
    char* converted = pg_any_to_server(utf8_or_latin1.data(), length, PG_UTF8);
    if (converted != utf8_or_latin1.data()) return converted;
  }
  return pnstrdup(utf8_or_latin1.data(), static_cast<Size>(length));
}

// UTF-8 text, whatever the encoding of the other answers, as a server
// string.
char* ServerStringFromUtf8(std::string_view utf8) {
  const int length = static_cast<int>(utf8.size());
  char* converted = pg_any_to_server(utf8.data(), length, PG_UTF8);
  if (converted != utf8.data()) return converted;
  return pnstrdup(utf8.data(), static_cast<Size>(length));
}

// What a call site keeps from row to row (in fn_extra): the scheme it asked
// for last and its name. A name that cannot change within the statement (a
// constant, as in a CHECK constraint) is not even read again.
struct CallSite {
  answers::SchemeHandle* scheme;
  char* name;
  Size name_length;
  bool stable;
};

answers::SchemeHandle& SchemeOf(FunctionCallInfo fcinfo) {
  FmgrInfo* flinfo = fcinfo->flinfo;
  auto* site = flinfo != nullptr ? static_cast<CallSite*>(flinfo->fn_extra) : nullptr;
  if (site != nullptr && site->stable) return *site->scheme;
  const Argument name = ReadText(fcinfo, 0);
  if (site != nullptr && site->name_length == name.bytes.size() &&
      memcmp(site->name, name.bytes.data(), name.bytes.size()) == 0)
    return *site->scheme;
  answers::SchemeHandle* scheme = nullptr;
  const answers::Outcome outcome = answers::Resolve(name.bytes, scheme);
  if (outcome != answers::Outcome::kAnswer) RaiseOutcome(outcome, name.bytes);
  if (flinfo == nullptr) return *scheme;
  if (site == nullptr) {
    site = static_cast<CallSite*>(MemoryContextAllocZero(flinfo->fn_mcxt, sizeof(CallSite)));
    flinfo->fn_extra = site;
  } else if (site->name != nullptr) {
    pfree(site->name);
  }
  site->name = static_cast<char*>(MemoryContextAlloc(flinfo->fn_mcxt, name.bytes.size() + 1));
  memcpy(site->name, name.bytes.data(), name.bytes.size());
  site->name_length = name.bytes.size();
  site->scheme = scheme;
  site->stable = get_fn_expr_arg_stable(flinfo, 0);
  return *scheme;
}

using TextFunction = answers::Answer (*)(std::string_view, std::string_view,
                                         answers::Encoding) noexcept;

// Reads (scheme, number), answers, and raises the outcome's error if any;
// returns the answer, or sets the result null.
answers::Answer AnswerOf(FunctionCallInfo fcinfo, TextFunction function) {
  const Argument scheme = ReadText(fcinfo, 0);
  const Argument number = ReadText(fcinfo, 1);
  const answers::Answer answer = function(scheme.bytes, number.bytes, number.encoding);
  if (answer.outcome != answers::Outcome::kAnswer && answer.outcome != answers::Outcome::kNull)
    RaiseOutcome(answer.outcome, scheme.bytes);
  return answer;
}

Datum TextResult(FunctionCallInfo fcinfo, TextFunction function) {
  const answers::Answer answer = AnswerOf(fcinfo, function);
  if (answer.outcome == answers::Outcome::kNull) PG_RETURN_NULL();
  if (!NeedsConversion())
    PG_RETURN_TEXT_P(
        cstring_to_text_with_len(answer.text.data(), static_cast<int>(answer.text.size())));
  PG_RETURN_TEXT_P(cstring_to_text(ServerString(answer.text)));
}

Datum JsonbResult(FunctionCallInfo fcinfo, TextFunction function) {
  const answers::Answer answer = AnswerOf(fcinfo, function);
  return DirectFunctionCall1(jsonb_in, CStringGetDatum(ServerString(answer.text)));
}

}  // namespace

extern "C" {

Datum numerant_check(PG_FUNCTION_ARGS) {
  answers::SchemeHandle& scheme = SchemeOf(fcinfo);
  const Argument number = ReadText(fcinfo, 1);
  const answers::Answer answer = answers::Check(scheme, number.bytes, number.encoding);
  if (answer.outcome != answers::Outcome::kAnswer) RaiseOutcome(answer.outcome, {});
  PG_RETURN_BOOL(answer.valid);
}

Datum numerant_calculate(PG_FUNCTION_ARGS) {
  return TextResult(fcinfo, answers::Calculate);
}

Datum numerant_complete(PG_FUNCTION_ARGS) {
  return TextResult(fcinfo, answers::Complete);
}

Datum numerant_format_number(PG_FUNCTION_ARGS) {
  return TextResult(fcinfo, answers::Format);
}

Datum numerant_compact(PG_FUNCTION_ARGS) {
  return TextResult(fcinfo, answers::Compact);
}

Datum numerant_explain(PG_FUNCTION_ARGS) {
  return JsonbResult(fcinfo, answers::Explain);
}

Datum numerant_fields(PG_FUNCTION_ARGS) {
  return JsonbResult(fcinfo, answers::Fields);
}

// One row a scheme: name, description, lengths.
Datum numerant_schemes(PG_FUNCTION_ARGS) {
  InitMaterializedSRF(fcinfo, 0);
  auto* result = reinterpret_cast<ReturnSetInfo*>(fcinfo->resultinfo);
  const std::size_t count = answers::SchemeCount();
  for (std::size_t i = 0; i < count; ++i) {
    answers::SchemeRow row;
    const answers::Outcome outcome = answers::SchemeAt(i, row);
    if (outcome != answers::Outcome::kAnswer) RaiseOutcome(outcome, {});
    Datum values[3];
    bool nulls[3] = {false, false, false};
    values[0] = PointerGetDatum(
        cstring_to_text_with_len(row.name.data(), static_cast<int>(row.name.size())));
    values[1] = PointerGetDatum(cstring_to_text(ServerStringFromUtf8(row.description)));
    values[2] = DirectFunctionCall1(jsonb_in, CStringGetDatum(ServerString(row.lengths)));
    tuplestore_putvalues(result->setResult, result->setDesc, values, nulls);
  }
  return static_cast<Datum>(0);
}

}  // extern "C"
