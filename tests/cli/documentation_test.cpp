// SPDX-License-Identifier: MIT
// The help text and the manual page against each other and against what the
// program does.
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/translation.h"
#include "schemes/catalogue.h"
#include "tests/cli/run_cli.h"

namespace numerant::cli {
namespace {

using harness::RunCli;

std::string ManualPage() {
  std::ifstream file(NUMERANT_CLI_MAN_PAGE);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

// The lines of a manual page section, from its .SH line to the next one.
std::vector<std::string> Section(const std::string& page, const std::string& heading) {
  std::vector<std::string> section;
  bool inside = false;
  for (const std::string& line : Lines(page)) {
    if (line.starts_with(".SH "))
      inside = line == ".SH " + heading;
    else if (inside)
      section.push_back(line);
  }
  return section;
}

// The words of a roff line without its macro, escapes and quotes.
std::vector<std::string> RoffWords(std::string line) {
  if (line.starts_with(".")) line.erase(0, line.find(' ') + 1);
  std::string plain;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line.compare(i, 2, "\\-") == 0) {
      plain += '-';
      ++i;
    } else if (line.compare(i, 2, "\\f") == 0) {
      i += 2;  // a font change: \fI, \fR
    } else {
      plain += line[i] == '"' || line[i] == ',' ? ' ' : line[i];
    }
  }
  std::vector<std::string> words;
  std::istringstream stream(plain);
  for (std::string word; stream >> word;)
    words.push_back(word);
  return words;
}

// The first words of the entries (.TP) of a manual page section; with
// `options`, every word of the entry line that begins with a hyphen.
std::set<std::string> ManualEntries(const std::string& heading, bool options) {
  std::set<std::string> entries;
  const std::vector<std::string> section = Section(ManualPage(), heading);
  for (std::size_t i = 0; i + 1 < section.size(); ++i) {
    if (section[i] != ".TP") continue;
    for (const std::string& word : RoffWords(section[i + 1])) {
      if (!options) {
        entries.insert(word);
        break;
      }
      if (word.starts_with("-")) entries.insert(word);
    }
  }
  return entries;
}

// The same from a block of the help text: the lines under `heading` up to
// the next empty line, in their first column (up to two blanks).
std::set<std::string> HelpEntries(const std::string& heading, bool options) {
  std::set<std::string> entries;
  bool inside = false;
  for (const std::string& line : Lines(RunCli({"--help"}).out)) {
    if (line.starts_with(heading)) {
      inside = true;
      continue;
    }
    if (!inside) continue;
    if (line.empty()) break;
    std::istringstream column(line.substr(2, line.find("  ", 2) - 2));
    for (std::string word; column >> word;) {
      if (word.ends_with(",")) word.pop_back();
      if (!options) {
        entries.insert(word);
        break;
      }
      if (word.starts_with("-")) entries.insert(word);
    }
  }
  return entries;
}

TEST(CliDocumentationTest, HelpAndManualPageNameTheSameCommandsAndOptions) {
  const std::set<std::string> commands = HelpEntries("Commands:", false);
  EXPECT_EQ(commands, (std::set<std::string>{"list", "calc", "check", "complete", "format",
                                             "compact", "convert", "identify"}));
  EXPECT_EQ(ManualEntries("COMMANDS", false), commands);

  const std::set<std::string> options = HelpEntries("Options", true);
  EXPECT_TRUE(options.contains("-h"));
  EXPECT_TRUE(options.contains("--"));
  EXPECT_EQ(ManualEntries("OPTIONS", true), options);

  // Every command that reads numbers shows them in both synopses.
  const std::string help = RunCli({"--help"}).out;
  const std::vector<std::string> synopsis = Section(ManualPage(), "SYNOPSIS");
  for (const char* command : {"calc SCHEME", "check SCHEME", "complete SCHEME", "format SCHEME",
                              "compact SCHEME", "convert UPC", "identify"}) {
    EXPECT_NE(help.find(std::string(command) + " [NUMBER...]"), std::string::npos) << command;
  }
  EXPECT_EQ(std::count(synopsis.begin(), synopsis.end(), ".RI [ NUMBER ...]"), 7);
}

TEST(CliDocumentationTest, ManualPageListsEveryFieldWithItsType) {
  std::string expected;
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      expected += ".TP\n.B " + std::string(entry.name) + "\n";
      std::string fields;
      for (const FieldRecord& field : RecordFields(*entry.create())) {
        fields += (fields.empty() ? "" : ", ") + std::string(field.name) + " (" +
                  std::string(JsonTypeName(field.type)) + ")";
      }
      expected += fields + "\n";
    }
  }
  std::string listed;
  bool entries = false;
  for (const std::string& line : Section(ManualPage(), "FIELDS")) {
    entries = entries || line == ".TP";
    if (entries) listed += line + "\n";
  }
  EXPECT_EQ(listed, expected);
}

// What the manual page says of `calc` when there is no check digit: an
// empty line for these schemes, -1 for every other.
TEST(CliDocumentationTest, UnsetCheckDigitsAreAsDocumented) {
  const std::set<std::string> empty_when_unset{"DNI",  "GRid", "HETU", "ISBN",
                                               "ISSN", "NID",  "PPS",  "VIN"};
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      const std::string expected = empty_when_unset.contains(std::string(entry.name)) ? "" : "-1";
      EXPECT_EQ(entry.create()->CalculateText(""), expected) << entry.name;
    }
  }
}

// The manual page's LIMITS: where the 16-bit sums of the schemes of any
// length overflow.
TEST(CliDocumentationTest, LengthLimitsAreAsDocumented) {
  const struct {
    const char* scheme;
    char digit;
    std::size_t longest;  // the longest run of the digit with a check digit
  } cases[] = {
      {"Luhn", '7', 5461},     {"Creditcard", '7', 5461}, {"MRN", '7', 5461},
      {"Modulo10", '7', 2340}, {"Verhoeff", '0', 32766},  {"Verhoeff", '7', 32766},
  };
  for (const auto& c : cases) {
    const auto scheme = FindScheme(c.scheme)->create();
    EXPECT_NE(scheme->CalculateText(std::string(c.longest, c.digit)), "-1") << c.scheme;
    EXPECT_EQ(scheme->CalculateText(std::string(c.longest + 1, c.digit)), "-1") << c.scheme;
  }
  EXPECT_NE(FindScheme("Modulo97")->create()->CalculateText(std::string(100000, '9')), "-1");
}

}  // namespace
}  // namespace numerant::cli
