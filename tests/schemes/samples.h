// SPDX-License-Identifier: MIT
// One sample of every scheme class, in catalogue order, read from its worked
// examples: the first valid one without separators, its stem without the
// check characters, and the stems of valid examples of other lengths.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <deque>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "schemes/catalogue.h"

namespace numerant::testing {

struct Sample {
  const char* scheme;
  const char* stem;
  const char* number;
  // Where the (first) check character stands when not at the end, and how
  // many there are.
  std::size_t check_place = std::string::npos;
  std::size_t check_length = 1;
  // The characters the class removes wherever they stand.
  const char* separators = " -";
  // Whether every change of one digit of a valid number is caught: Verhoeff,
  // Luhn and the weighted sums whose weights are all prime to their modulus
  // and whose remainders map to distinct check values.
  bool catches_single_digit_errors = false;
  // Stems of other accepted lengths or shapes.
  std::array<const char*, 3> more_stems = {};
  // How many leading characters every number of the format shares (the
  // prefix 756 of ch.ssn), which generated numbers keep.
  std::size_t fixed_prefix = 0;
  // Places that generated numbers keep as the sample has them, marked "="
  // in a text that lines up with the stem: a birth date the rule tests, the
  // digits that make a repetition rule hold.
  const char* kept_places = nullptr;
  // How many trailing characters every number of the format shares (the 01
  // of se.vat, the MVA of no.mva), which generated numbers keep too.
  std::size_t fixed_suffix = 0;
};

// Test parameters print as their scheme's name.
inline void PrintTo(const Sample& sample, std::ostream* out) {
  *out << sample.scheme;
}

// The places of a national number that generated numbers keep, marked "=":
// the birth date, the sex and state, the digits of the repetition rule.
inline const char* KeptPlaces(std::string_view name) {
  if (name == "cn.ric") return "      ========";
  if (name == "de.idnr") return "=========";
  if (name == "in_.gstin") return "======       =";
  if (name == "it.codicefiscale") return "      ======";
  if (name == "mx.curp") return "    =========";
  if (name == "no.fodselsnummer") return "=======";
  if (name == "se.personnummer") return "======";
  if (name == "za.idnr") return "======    =";
  return nullptr;
}

// The samples of the 52 and the building blocks, or of the further formats.
inline std::vector<Sample> SamplesOfTheCatalogue(bool further = false) {
  // The texts the samples point into, kept for the whole run.
  static std::deque<std::string> texts;
  const auto keep = [](std::string text) { return texts.emplace_back(std::move(text)).c_str(); };
  constexpr std::string_view kCatchingSingleDigitErrors[] = {
      "BI",      "BSN",    "NHS",     "REGON",       "TFN",     "Verhoeff",
      "Luhn",    "cn.ric", "de.idnr", "in_.aadhaar", "za.idnr", "imei",
      "isni",    "orcid",  "damm",    "iso7064.mod_11_2",        "iso7064.mod_11_10"};
  // The openings every number of a format shares (the prefix 756 of ch.ssn,
  // the "G" of a FIGI, the "RF" of a creditor reference), which generated
  // numbers keep; the first digit of in_.aadhaar and tr.tckimlik is never 0
  // (nor 1 for Aadhaar).
  constexpr std::pair<std::string_view, std::size_t> kFixedPrefixes[] = {
      {"ch.ssn", 3}, {"figi", 3},        {"iso11649", 2},   {"ismn", 4},
      {"iswc", 1},   {"in_.aadhaar", 1}, {"tr.tckimlik", 1}};
  std::vector<Sample> samples;
  const auto lists =
      further ? std::vector{FurtherFormats()} : std::vector{SchemeList(), BuildingBlocks()};
  for (const auto& list : lists) {
    for (const CatalogueEntry& entry : list) {
      const auto scheme = entry.create();
      const NumberShape& shape = scheme->Shape();
      Sample sample{.scheme = keep(std::string(entry.name)), .stem = nullptr, .number = nullptr};
      if (shape.check_place != NumberShape::kAtEnd) sample.check_place = shape.check_place;
      sample.check_length = shape.check_length;
      sample.separators = keep(std::string(shape.separators));
      sample.catches_single_digit_errors =
          std::ranges::find(kCatchingSingleDigitErrors, entry.name) !=
          std::end(kCatchingSingleDigitErrors);
      std::vector<std::size_t> lengths;
      std::size_t more = 0;
      for (const Example& example : entry.examples) {
        if (example.kind != Example::Kind::kValid) continue;
        std::string number;
        for (char c : example.input) {
          if (shape.separators.find(c) != std::string_view::npos) continue;
          number +=
              shape.upper_case ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        }
        if (number.size() < shape.check_length ||
            std::ranges::find(lengths, number.size()) != lengths.end()) {
          continue;
        }
        lengths.push_back(number.size());
        std::string stem = number;
        stem.erase(std::min(shape.check_place, number.size() - shape.check_length),
                   shape.check_length);
        if (sample.number == nullptr) {
          sample.number = keep(number);
          sample.stem = keep(stem);
        } else if (more < sample.more_stems.size()) {
          sample.more_stems[more++] = keep(stem);
        }
      }
      for (const auto& [name, length] : kFixedPrefixes) {
        if (entry.name == name) sample.fixed_prefix = length;
      }
      sample.kept_places = KeptPlaces(entry.name);
      // The U of an Austrian number, the X, Y or Z of a NIE, the prefix of
      // a VAT number; the B of a Dutch one, the 01 of a Swedish one and the
      // MVA of a Norwegian one.
      if (entry.name == "at.uid" || entry.name == "es.nie") sample.fixed_prefix = 1;
      if (entry.name == "vat") sample.fixed_prefix = 2;
      if (entry.name == "nl.btw" || entry.name == "lt.pvm") sample.fixed_suffix = 1;
      // Monaco's numbers, which carry no SIREN check digit, and the office
      // code of an Italian number.
      if (entry.name == "fr.tva") sample.fixed_prefix = 3;
      if (entry.name == "it.iva") sample.fixed_suffix = 3;
      if (entry.name == "se.vat") sample.fixed_suffix = 2;
      if (entry.name == "no.mva") sample.fixed_suffix = 3;
      samples.push_back(sample);
    }
  }
  return samples;
}

inline const std::vector<Sample> kSamples = SamplesOfTheCatalogue();
inline const std::vector<Sample> kFurtherSamples = SamplesOfTheCatalogue(true);

}  // namespace numerant::testing
