// SPDX-License-Identifier: MIT
// The SQLite loadable extension: numerant_check, numerant_calculate,
// numerant_complete, numerant_format, numerant_compact, numerant_explain and
// numerant_fields as scalar functions, and the table-valued function
// numerant_schemes.
//
//   .load libnumerant_sqlite
//   SELECT numerant_check('iban', 'DE89 3704 0044 0532 0130 00');
//
// Every answer comes through databases/answers.h, which catches whatever the
// library might throw; nothing here throws into SQLite's frames.
#include <cstring>
#include <sqlite3ext.h>
#include <string>
#include <string_view>

#include "databases/answers.h"

SQLITE_EXTENSION_INIT1

namespace answers = numerant::databases;

namespace {

std::string_view TextOf(sqlite3_value* value) {
  const auto* bytes = sqlite3_value_text(value);
  if (bytes == nullptr) return {};
  return {reinterpret_cast<const char*>(bytes),
          static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

// Reads (scheme, number) and answers, or sets the result to NULL (a NULL
// argument) or to the error; returns whether a result is still due.
bool Answer(sqlite3_context* context, sqlite3_value** arguments,
            answers::Answer (*function)(std::string_view, std::string_view,
                                        answers::Encoding) noexcept,
            answers::Answer& answer) {
  if (sqlite3_value_type(arguments[0]) == SQLITE_NULL ||
      sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
    sqlite3_result_null(context);
    return false;
  }
  const std::string_view scheme = TextOf(arguments[0]);
  const std::string_view number = TextOf(arguments[1]);
  if ((scheme.data() == nullptr && sqlite3_value_bytes(arguments[0]) != 0) ||
      (number.data() == nullptr && sqlite3_value_bytes(arguments[1]) != 0)) {
    sqlite3_result_error_nomem(context);
    return false;
  }
  answer = function(scheme, number, answers::Encoding::kUtf8);
  switch (answer.outcome) {
    case answers::Outcome::kAnswer:
      return true;
    case answers::Outcome::kNull:
      sqlite3_result_null(context);
      return false;
    case answers::Outcome::kUnknownScheme: {
      char* message =
          sqlite3_mprintf("numerant: unknown scheme '%.*s'",
                          static_cast<int>(scheme.size() > 64 ? 64 : scheme.size()), scheme.data());
      if (message == nullptr) {
        sqlite3_result_error_nomem(context);
      } else {
        sqlite3_result_error(context, message, -1);
        sqlite3_free(message);
      }
      return false;
    }
    case answers::Outcome::kOutOfMemory:
      sqlite3_result_error_nomem(context);
      return false;
    case answers::Outcome::kFailure:
      break;
  }
  sqlite3_result_error(context, "numerant could not answer", -1);
  return false;
}

void CheckFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
  answers::Answer answer;
  if (Answer(context, arguments, answers::Check, answer)) sqlite3_result_int(context, answer.valid);
}

template <answers::Answer (*function)(std::string_view, std::string_view,
                                      answers::Encoding) noexcept>
void TextFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
  answers::Answer answer;
  if (Answer(context, arguments, function, answer)) {
    sqlite3_result_text(context, answer.text.data(), static_cast<int>(answer.text.size()),
                        SQLITE_TRANSIENT);
  }
}

// ---- numerant_schemes: one row a scheme, as an eponymous virtual table.

constexpr int kName = 0;
constexpr int kDescription = 1;
constexpr int kLengths = 2;

struct SchemesCursor {
  sqlite3_vtab_cursor base;
  std::size_t row;
};

int SchemesConnect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** table, char**) {
  const int status =
      sqlite3_declare_vtab(db, "CREATE TABLE x(name TEXT, description TEXT, lengths TEXT)");
  if (status != SQLITE_OK) return status;
  sqlite3_vtab_config(db, SQLITE_VTAB_INNOCUOUS);
  *table = static_cast<sqlite3_vtab*>(sqlite3_malloc(sizeof(sqlite3_vtab)));
  if (*table == nullptr) return SQLITE_NOMEM;
  std::memset(*table, 0, sizeof(sqlite3_vtab));
  return SQLITE_OK;
}

int SchemesDisconnect(sqlite3_vtab* table) {
  sqlite3_free(table);
  return SQLITE_OK;
}

int SchemesBestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
  info->estimatedCost = static_cast<double>(answers::SchemeCount());
  info->estimatedRows = static_cast<sqlite3_int64>(answers::SchemeCount());
  return SQLITE_OK;
}

int SchemesOpen(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
  auto* opened = static_cast<SchemesCursor*>(sqlite3_malloc(sizeof(SchemesCursor)));
  if (opened == nullptr) return SQLITE_NOMEM;
  std::memset(opened, 0, sizeof(SchemesCursor));
  *cursor = &opened->base;
  return SQLITE_OK;
}

int SchemesClose(sqlite3_vtab_cursor* cursor) {
  sqlite3_free(cursor);
  return SQLITE_OK;
}

int SchemesFilter(sqlite3_vtab_cursor* cursor, int, const char*, int, sqlite3_value**) {
  reinterpret_cast<SchemesCursor*>(cursor)->row = 0;
  return SQLITE_OK;
}

int SchemesNext(sqlite3_vtab_cursor* cursor) {
  ++reinterpret_cast<SchemesCursor*>(cursor)->row;
  return SQLITE_OK;
}

int SchemesEof(sqlite3_vtab_cursor* cursor) {
  return reinterpret_cast<SchemesCursor*>(cursor)->row >= answers::SchemeCount();
}

int SchemesColumn(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int column) {
  answers::SchemeRow row;
  switch (answers::SchemeAt(reinterpret_cast<SchemesCursor*>(cursor)->row, row)) {
    case answers::Outcome::kAnswer:
      break;
    case answers::Outcome::kOutOfMemory:
      return SQLITE_NOMEM;
    default:
      return SQLITE_ERROR;
  }
  const std::string_view text = column == kName          ? row.name
                                : column == kDescription ? row.description
                                                         : row.lengths;
  sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
  return SQLITE_OK;
}

int SchemesRowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* rowid) {
  *rowid = static_cast<sqlite3_int64>(reinterpret_cast<SchemesCursor*>(cursor)->row);
  return SQLITE_OK;
}

sqlite3_module MakeSchemesModule() {
  sqlite3_module module{};
  module.iVersion = 0;
  module.xCreate = nullptr;  // eponymous only: no CREATE VIRTUAL TABLE
  module.xConnect = SchemesConnect;
  module.xBestIndex = SchemesBestIndex;
  module.xDisconnect = SchemesDisconnect;
  module.xDestroy = SchemesDisconnect;
  module.xOpen = SchemesOpen;
  module.xClose = SchemesClose;
  module.xFilter = SchemesFilter;
  module.xNext = SchemesNext;
  module.xEof = SchemesEof;
  module.xColumn = SchemesColumn;
  module.xRowid = SchemesRowid;
  return module;
}

const sqlite3_module kSchemesModule = MakeSchemesModule();

int Register(sqlite3* db) {
  constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  struct Scalar {
    const char* name;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
  };
  const Scalar scalars[] = {
      {"numerant_check", CheckFunction},
      {"numerant_calculate", TextFunction<answers::Calculate>},
      {"numerant_complete", TextFunction<answers::Complete>},
      {"numerant_format", TextFunction<answers::Format>},
      {"numerant_compact", TextFunction<answers::Compact>},
      {"numerant_explain", TextFunction<answers::Explain>},
      {"numerant_fields", TextFunction<answers::Fields>},
  };
  for (const Scalar& scalar : scalars) {
    const int status = sqlite3_create_function_v2(db, scalar.name, 2, kFlags, nullptr,
                                                  scalar.function, nullptr, nullptr, nullptr);
    if (status != SQLITE_OK) return status;
  }
  return sqlite3_create_module(db, "numerant_schemes", &kSchemesModule, nullptr);
}

}  // namespace

// The entry point SQLite looks for in libnumerant_sqlite.so, and the one it
// tries when that is missing.
extern "C" __attribute__((visibility("default"))) int sqlite3_numerantsqlite_init(
    sqlite3* db, char**, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  return Register(db);
}

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(
    sqlite3* db, char** error, const sqlite3_api_routines* api) {
  return sqlite3_numerantsqlite_init(db, error, api);
}
