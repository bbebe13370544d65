// SPDX-License-Identifier: MIT
// The scheme library for the browser: the catalogue and the `Scheme`
// interface, bound with embind. The page asks these and nothing else.
//
// Text crosses through the library's translation: JavaScript strings arrive
// as UTF-32 (embind's std::wstring) and reach the schemes as ISO-8859-1
// bytes, each character outside ISO-8859-1 becoming "?"; what the schemes
// give back returns as UTF-8 (embind's std::string). Findings and fields
// arrive as plain objects made from the library's records, in the form that
// numerant-cli --json writes them.
//
// From JavaScript:
//   const numerant = await createNumerant();
//   numerant.version                 "1.0.0"
//   numerant.schemeList()            ["ACL", "ACN", ...], the 52 names in list order
//   numerant.furtherFormats()        [{name: "au.abn", displayName, description, area}, ...]
//   numerant.buildingBlocks()        ["Luhn", "Modulo10", "Modulo97"]
//   const s = numerant.createScheme(22);   // a fresh IBAN; null outside the list
//   const t = numerant.findScheme("iban"); // by name, any case; null when unknown
//   s.name()                         "IBAN"
//   s.calculate("DE..")              the check digit(s) as the window shows them
//   s.check("DE89...")               true or false
//   s.explain("DE88...")             {kind: "check-digit", expected: "89", found: "88",
//                                     description: "check digits should be 89, not 88"}
//   s.complete("DE3704...")          "DE89370400440532013000"
//   s.fields()                       {AccountNumber: "...", CheckDigit: "89", ...}
//   s.delete()                       every scheme object must be deleted
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "core/scheme.h"
#include "core/translation.h"
#include "core/version.h"
#include "schemes/catalogue.h"

namespace numerant::web {
namespace {

using emscripten::val;

// JavaScript strings arrive as UTF-32, one code point a unit.
std::string ToLatin1(const std::wstring& text) {
  return Latin1FromCodePoints(std::span<const wchar_t>(text));
}

// A std::string crosses to JavaScript as UTF-8.
std::string FromLatin1(std::string_view latin1) {
  return Utf8FromLatin1(latin1);
}

val ContentToJs(const FieldContent& value) {
  return std::visit(
      [](const auto& held) -> val {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          return val::null();
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          return val(static_cast<double>(held));
        } else {
          return val(held);
        }
      },
      value);
}

// The finding record with the members it holds, as numerant-cli --json
// writes its "reason", and `description`, the finding in the library's words.
val FindingToJs(const FindingRecord& finding) {
  val object = val::object();
  object.set("kind", std::string(finding.kind));
  if (finding.length) object.set("length", static_cast<double>(*finding.length));
  if (finding.lengths) {
    val ranges = val::array();
    for (const LengthPair& pair : *finding.lengths) {
      val range = val::array();
      range.call<void>("push", static_cast<double>(pair.min));
      range.call<void>("push", pair.max ? val(static_cast<double>(*pair.max)) : val::null());
      ranges.call<void>("push", range);
    }
    object.set("lengths", ranges);
  }
  if (finding.place) object.set("place", static_cast<double>(*finding.place));
  if (finding.character) object.set("character", *finding.character);
  if (finding.expected) object.set("expected", *finding.expected);
  if (finding.found) object.set("found", *finding.found);
  if (finding.date) object.set("date", *finding.date);
  object.set("description", finding.description);
  return object;
}

std::string Calculate(Scheme& scheme, const std::wstring& number) {
  return FromLatin1(scheme.CalculateText(ToLatin1(number)));
}

bool Check(Scheme& scheme, const std::wstring& number) {
  return scheme.Check(ToLatin1(number));
}

// The finding behind Check's answer; leaves the object as Check does.
val Explain(Scheme& scheme, const std::wstring& number) {
  return FindingToJs(RecordFinding(scheme.Explain(ToLatin1(number))));
}

// The number with its check characters in place; "" when there are none.
std::string Complete(Scheme& scheme, const std::wstring& payload) {
  return FromLatin1(scheme.Complete(ToLatin1(payload)));
}

std::string Name(const Scheme& scheme) {
  return std::string(scheme.Name());
}

// Every public property of the scheme object after its last call, by name.
val Fields(const Scheme& scheme) {
  val fields = val::object();
  for (const FieldRecord& field : RecordFields(scheme))
    fields.set(std::string(field.name), ContentToJs(field.value));
  return fields;
}

// What the number tells, for the page to put into the browser's language:
// [{field: "BirthDate", kind: "date", label: "born", text: "850315", year:
// 1985, shortYear: 0, month: 3, day: 15, gender: 0}, ...]; kind is one of
// "date", "gender", "country", "value".
val Facts(const Scheme& scheme) {
  val facts = val::array();
  for (const Fact& fact : scheme.Tell()) {
    val item = val::object();
    item.set("field", fact.field);
    item.set("kind", std::string(fact.kind == Fact::Kind::kDate      ? "date"
                                 : fact.kind == Fact::Kind::kGender  ? "gender"
                                 : fact.kind == Fact::Kind::kCountry ? "country"
                                                                     : "value"));
    item.set("label", fact.label);
    item.set("text", FromLatin1(fact.text));
    item.set("year", fact.year);
    item.set("shortYear", fact.short_year);
    item.set("month", fact.month);
    item.set("day", fact.day);
    item.set("gender", fact.gender);
    facts.call<void>("push", item);
  }
  return facts;
}

val Names(std::span<const CatalogueEntry> entries) {
  val names = val::array();
  for (const CatalogueEntry& entry : entries)
    names.call<void>("push", std::string(entry.name));
  return names;
}

val SchemeListNames() {
  return Names(SchemeList());
}

val BuildingBlockNames() {
  return Names(BuildingBlocks());
}

// The further formats in catalogue order, area by area: name, display name,
// description and area of each.
val FurtherFormatList() {
  val formats = val::array();
  for (const CatalogueEntry& entry : FurtherFormats()) {
    val format = val::object();
    format.set("name", std::string(entry.name));
    format.set("displayName", std::string(entry.display_name));
    format.set("description", std::string(entry.description));
    format.set("area", std::string(entry.area));
    formats.call<void>("push", format);
  }
  return formats;
}

// JavaScript owns the object it receives and frees it with delete().
Scheme* CreateAt(int position) {
  return CreateScheme(position).release();
}

Scheme* CreateByName(const std::string& name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr ? entry->create().release() : nullptr;
}

}  // namespace

EMSCRIPTEN_BINDINGS(numerant) {
  using emscripten::allow_raw_pointers;
  emscripten::constant("version", std::string(kVersion));
  emscripten::function("schemeList", &SchemeListNames);
  emscripten::function("buildingBlocks", &BuildingBlockNames);
  emscripten::function("furtherFormats", &FurtherFormatList);
  emscripten::function("createScheme", &CreateAt, allow_raw_pointers());
  emscripten::function("findScheme", &CreateByName, allow_raw_pointers());
  emscripten::class_<Scheme>("Scheme")
      .function("name", &Name)
      .function("calculate", &Calculate)
      .function("check", &Check)
      .function("explain", &Explain)
      .function("complete", &Complete)
      .function("fields", &Fields)
      .function("facts", &Facts);
}

}  // namespace numerant::web
