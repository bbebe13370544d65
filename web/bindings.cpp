// SPDX-License-Identifier: MIT
// The scheme library for the browser: the catalogue and the `Scheme`
// interface, bound with embind. The page asks these and nothing else.
//
// JavaScript strings arrive as UTF-8 and reach the schemes as ISO-8859-1
// bytes, the same conversion the command line makes (a character outside
// ISO-8859-1 becomes "?"); what the schemes give back travels the other way,
// and findings and fields in the command line's JSON form.
//
// From JavaScript:
//   const numerant = await createNumerant();
//   numerant.version                 "1.0.0"
//   numerant.schemeList()            ["ACL", "ACN", ...], the 52 names in list order
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

#include "cli/encoding.h"
#include "cli/json_writer.h"
#include "core/finding.h"
#include "core/scheme.h"
#include "core/version.h"
#include "schemes/catalogue.h"

namespace numerant::web {
namespace {

using emscripten::val;

std::string ToUtf8(std::string_view latin1) {
  std::string utf8;
  cli::AppendLatin1AsUtf8(utf8, latin1);
  return utf8;
}

// A JSON text of the command line's writer as a JavaScript value, so that the
// page sees every answer in the same form as `numerant-cli --json`.
val FromJson(const std::string& json) {
  return val::global("JSON").call<val>("parse", json);
}

std::string Calculate(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  return ToUtf8(scheme.CalculateText(cli::Utf8ToLatin1(utf8, storage)));
}

bool Check(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  return scheme.Check(cli::Utf8ToLatin1(utf8, storage));
}

// The finding behind Check's answer, leaving the object as Check does:
// {kind, length, lengths, place, character, expected, found} with the
// members that apply, and `description`, the finding in the library's words.
val Explain(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  const Finding finding = scheme.Explain(cli::Utf8ToLatin1(utf8, storage));
  std::string json;
  cli::AppendJsonFinding(json, finding);
  val explained = FromJson(json);
  explained.set("description", ToUtf8(Describe(finding)));
  return explained;
}

// The number with its check characters in place; "" when there are none.
std::string Complete(Scheme& scheme, const std::string& utf8) {
  std::string storage;
  return ToUtf8(scheme.Complete(cli::Utf8ToLatin1(utf8, storage)));
}

std::string Name(const Scheme& scheme) {
  return std::string(scheme.Name());
}

// Every public property of the scheme object after its last call, by name:
// booleans, numbers and strings as themselves, and a FieldValue as its string
// once the number has set one, null before.
val Fields(const Scheme& scheme) {
  std::string json;
  cli::AppendJsonFields(json, scheme);
  return FromJson(json);
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

// JavaScript owns the object it receives and frees it with delete().
Scheme* CreateAt(int position) {
  return CreateScheme(position).release();
}

Scheme* CreateByName(const std::string& name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr && entry->create != nullptr ? entry->create().release() : nullptr;
}

}  // namespace

EMSCRIPTEN_BINDINGS(numerant) {
  using emscripten::allow_raw_pointers;
  emscripten::constant("version", std::string(kVersion));
  emscripten::function("schemeList", &SchemeListNames);
  emscripten::function("buildingBlocks", &BuildingBlockNames);
  emscripten::function("createScheme", &CreateAt, allow_raw_pointers());
  emscripten::function("findScheme", &CreateByName, allow_raw_pointers());
  emscripten::class_<Scheme>("Scheme")
      .function("name", &Name)
      .function("calculate", &Calculate)
      .function("check", &Check)
      .function("explain", &Explain)
      .function("complete", &Complete)
      .function("fields", &Fields);
}

}  // namespace numerant::web
