// SPDX-License-Identifier: MIT
#include "schemes/catalogue.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace numerant {
namespace {

// The README's table of the 52 is the catalogue: its first two columns are
// each class's name and description, in the window's list order.
TEST(CatalogueTest, TheReadmeTableIsTheCatalogue) {
  std::ifstream readme(NUMERANT_SOURCE_DIR "/README.md");
  ASSERT_TRUE(readme) << "README.md not found";
  std::vector<std::string> table;
  bool inside = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.starts_with("## ")) inside = line.starts_with("## The 52 schemes");
    if (!inside || !line.starts_with("| ") || line.starts_with("| Scheme |")) continue;
    // "| name | description | ...": the first two cells.
    const std::size_t second = line.find(" | ", 2);
    const std::size_t third = line.find(" | ", second + 3);
    if (second == std::string::npos || third == std::string::npos) continue;
    table.push_back(line.substr(2, second - 2) + " | " +
                    line.substr(second + 3, third - second - 3));
  }
  std::vector<std::string> catalogue;
  for (const CatalogueEntry& entry : SchemeList())
    catalogue.push_back(std::string(entry.name) + " | " + std::string(entry.description));
  EXPECT_EQ(table, catalogue);
}

// The README's table of the further formats is the catalogue's, in its
// order: name, display name, description, area.
TEST(CatalogueTest, TheReadmeTableOfFurtherFormatsIsTheCatalogue) {
  std::ifstream readme(NUMERANT_SOURCE_DIR "/README.md");
  ASSERT_TRUE(readme) << "README.md not found";
  std::vector<std::string> table;
  bool inside = false;
  for (std::string line; std::getline(readme, line);) {
    if (line.starts_with("## ")) inside = line.starts_with("## Further formats");
    if (inside && line.starts_with("| ") && !line.starts_with("| Format |")) table.push_back(line);
  }
  std::vector<std::string> catalogue;
  for (const CatalogueEntry& entry : FurtherFormats()) {
    catalogue.push_back("| " + std::string(entry.name) + " | " + std::string(entry.display_name) +
                        " | " + std::string(entry.description) + " | " + std::string(entry.area) +
                        " |");
  }
  EXPECT_EQ(table, catalogue);
}

// Each row creates a fresh object of its own class; no other position does.
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
  for (int position : {-1, -2147483647 - 1, 52, 53, 1000})
    EXPECT_EQ(CreateScheme(position), nullptr) << position;
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

}  // namespace
}  // namespace numerant
