// SPDX-License-Identifier: MIT
#include "schemes/catalogue.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace numerant {
namespace {

TEST(CatalogueTest, ListsTheFiftyTwoSchemesInOrder) {
  const std::vector<std::string> expected = {
      "ACL",   "ACN", "AHV",  "AK",       "BI",    "BIC",        "BOL",  "BSN",   "BTW",
      "BZU",   "CAS", "CNP",  "CPF",      "CPR",   "Creditcard", "DEA",  "DNI",   "DUNS",
      "EAN",   "EUR", "GRid", "HETU",     "IBAN",  "IK",         "INSZ", "ISBN",  "ISSN",
      "JMBG",  "MRN", "NHS",  "NID",      "NIH",   "NIP",        "NPI",  "OGM",   "OPC",
      "PESEL", "PNR", "PPS",  "PZN",      "REGON", "RUN",        "SIN",  "SIREN", "SIS",
      "TFN",   "UIC", "UPC",  "Verhoeff", "VIN",   "VSNR",       "WSDLN"};
  std::vector<std::string> names;
  for (const CatalogueEntry& entry : SchemeList())
    names.emplace_back(entry.name);
  EXPECT_EQ(names, expected);
}

TEST(CatalogueTest, EachRowCreatesAFreshObjectOfItsOwnClass) {
  for (int position = 0; position < static_cast<int>(SchemeList().size()); ++position) {
    const auto& entry = SchemeList()[static_cast<std::size_t>(position)];
    ASSERT_NE(entry.create, nullptr) << entry.name;
    const auto first = CreateScheme(position);
    const auto second = CreateScheme(position);
    ASSERT_NE(first, nullptr) << entry.name;
    EXPECT_EQ(first->Name(), entry.name);
    EXPECT_NE(first.get(), second.get());
  }
}

TEST(CatalogueTest, PositionsOutsideTheListCreateNothing) {
  for (int position : {-1, -2147483647 - 1, 52, 53, 1000}) {
    EXPECT_EQ(CreateScheme(position), nullptr) << position;
  }
}

TEST(CatalogueTest, FindsListedSchemesAndBuildingBlocksIgnoringCase) {
  ASSERT_NE(FindScheme("verhoeff"), nullptr);
  EXPECT_EQ(FindScheme("verhoeff")->name, "Verhoeff");
  EXPECT_EQ(FindScheme("CREDITCARD")->name, "Creditcard");
  EXPECT_EQ(FindScheme("luhn")->name, "Luhn");
  EXPECT_EQ(FindScheme("MODULO97")->name, "Modulo97");
  EXPECT_EQ(FindScheme("Verhoeff "), nullptr);
  EXPECT_EQ(FindScheme(""), nullptr);
}

TEST(CatalogueTest, EveryCreatedSchemeNamesCheckDigitAmongItsProperties) {
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      ASSERT_NE(entry.create, nullptr) << entry.name;
      const auto scheme = entry.create();
      std::vector<std::string> names;
      scheme->VisitProperties(
          [&](std::string_view name, const PropertyValue&) { names.emplace_back(name); });
      const auto alphabetical = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return std::tolower(x) < std::tolower(y); });
      };
      EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), alphabetical)) << entry.name;
      EXPECT_NE(std::find(names.begin(), names.end(), "CheckDigit"), names.end()) << entry.name;
    }
  }
}

// Every row tells the lengths its numbers may have, and a payload of an
// accepted length gets a number of an accepted length.
TEST(CatalogueTest, EveryRowKnowsItsShape) {
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      const auto scheme = entry.create();
      const NumberShape& shape = scheme->Shape();
      ASSERT_FALSE(shape.payload_lengths.ranges().empty()) << entry.name;
      EXPECT_GE(shape.check_length, 1u) << entry.name;
      EXPECT_LE(shape.check_length, 2u) << entry.name;
      for (const LengthRange& range : shape.payload_lengths.ranges()) {
        EXPECT_TRUE(shape.NumberLengths().Contains(range.min + shape.check_length)) << entry.name;
      }
    }
  }
}

}  // namespace
}  // namespace numerant
