#include "cli/cli.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace numerant::cli {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the command line in-process with the given standard input.
Outcome RunCli(std::vector<std::string_view> arguments, std::string input = "") {
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  if (input.empty()) in = std::fopen("/dev/null", "r");
  char* out_data = nullptr;
  char* err_data = nullptr;
  std::size_t out_size = 0;
  std::size_t err_size = 0;
  std::FILE* out = open_memstream(&out_data, &out_size);
  std::FILE* err = open_memstream(&err_data, &err_size);
  const int status = Run(arguments, in, out, err);
  std::fclose(in);
  std::fclose(out);
  std::fclose(err);
  Outcome outcome{status, std::string(out_data, out_size), std::string(err_data, err_size)};
  std::free(out_data);
  std::free(err_data);
  return outcome;
}

TEST(CliTest, ListsTheSchemesInCatalogueOrder) {
  const Outcome outcome = RunCli({"list"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_TRUE(outcome.out.starts_with("ACL\nACN\nAHV\n"));
  EXPECT_TRUE(outcome.out.ends_with("VIN\nVSNR\nWSDLN\n"));
  EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 52);
}

TEST(CliTest, CalculatesFromArgumentsAndFromStandardInput) {
  EXPECT_EQ(RunCli({"calc", "Verhoeff", "236"}).out, "3\n");
  EXPECT_EQ(RunCli({"calc", "VERHOEFF", "236", "x", "12345"}).out, "3\n-1\n1\n");
  // Each line loses its "\n" or "\r\n" and nothing else; the last line needs
  // no line break, and an empty line is answered too.
  EXPECT_EQ(RunCli({"calc", "verhoeff"}, "236\r\n\n2 3-6\n12345").out, "3\n-1\n3\n1\n");
  EXPECT_EQ(RunCli({"calc", "verhoeff"}, "236 \n").out, "3\n");
  EXPECT_EQ(RunCli({"calc", "verhoeff"}, "236\r\r\n").out, "-1\n");
  EXPECT_EQ(RunCli({"calc", "luhn", "7992739871"}).out, "3\n");
}

TEST(CliTest, CheckReportsEachNumberAndExitsOneOnAnInvalidOne) {
  Outcome outcome = RunCli({"check", "Verhoeff"}, "2363\n1234\n");
  EXPECT_EQ(outcome.out, "valid\ninvalid\n");
  EXPECT_EQ(outcome.status, kInvalidFound);
  outcome = RunCli({"check", "Verhoeff", "2363", "123451"});
  EXPECT_EQ(outcome.out, "valid\nvalid\n");
  EXPECT_EQ(outcome.status, kSuccess);
}

TEST(CliTest, JsonCarriesInputResultAndEveryField) {
  EXPECT_EQ(RunCli({"calc", "--json", "Verhoeff", "236"}).out,
            "{\"input\": \"236\", \"result\": \"3\", \"fields\": {\"CheckDigit\": 3}}\n");
  EXPECT_EQ(RunCli({"--json", "check", "Verhoeff", "1234"}).out,
            "{\"input\": \"1234\", \"valid\": false, \"fields\": {\"CheckDigit\": 3}}\n");
  EXPECT_EQ(
      RunCli({"--json", "calc", "Verhoeff", "a\"\\\t"}).out,
      "{\"input\": \"a\\\"\\\\\\t\", \"result\": \"-1\", \"fields\": {\"CheckDigit\": -1}}\n");
}

TEST(CliTest, ConvertsUpcNumbersAndReportsTheirFields) {
  EXPECT_EQ(RunCli({"convert", "upc", "04252614", "042100005264", "03600029145"}).out,
            "042100005264\n04252614\n\n");
  EXPECT_EQ(RunCli({"convert", "UPC"}, "0425-261\n").out, "04210000526\n");
  // Converting resets the fields, as every operation of a scheme does.
  EXPECT_EQ(RunCli({"--json", "convert", "UPC", "04252614"}).out,
            "{\"input\": \"04252614\", \"result\": \"042100005264\", \"fields\": "
            "{\"CheckDigit\": -1, \"ManufacturerCode\": 0, \"NumberSystem\": 0, "
            "\"ProductCode\": 0}}\n");
  EXPECT_EQ(RunCli({"calc", "EAN", "978-0-306-40615"}).out, "7\n");
  EXPECT_EQ(RunCli({"calc", "--json", "Creditcard", "4111 1111 1111 111"}).out,
            "{\"input\": \"4111 1111 1111 111\", \"result\": \"1\", \"fields\": "
            "{\"AccountNumber\": \"111111111\", \"CheckDigit\": 1, \"IssuerCode\": "
            "\"411111\", \"MajorIndustryCode\": 4}}\n");
}

TEST(CliTest, CharactersOutsideLatin1ReachTheSchemeAsQuestionMarks) {
  // U+00B2 SUPERSCRIPT TWO is in ISO-8859-1 but no digit; U+0662 is outside.
  EXPECT_EQ(RunCli({"calc", "Verhoeff",
                    "\xC2\xB2"
                    "36"})
                .out,
            "-1\n");
  EXPECT_EQ(RunCli({"--json", "calc", "Verhoeff", "\xD9\xA2"}).out,
            "{\"input\": \"\xD9\xA2\", \"result\": \"-1\", \"fields\": {\"CheckDigit\": -1}}\n");
}

TEST(CliTest, UsageErrorsExitTwoAndNameTheChoices) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string mentions;
  } cases[] = {
      {{}, "list, calc, check and convert"},
      {{"frobnicate"}, "list, calc, check and convert"},
      {{"calc"}, "Verhoeff"},
      {{"check", "Verhoef", "1"}, "Modulo97"},
      {{"calc", "--jsn", "Verhoeff"}, "--json"},
      {{"convert", "EAN", "1"}, "UPC"},
      {{"list", "extra"}, "list"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunCli(c.arguments);
    EXPECT_EQ(outcome.status, kUsageError) << c.mentions;
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(c.mentions), std::string::npos) << outcome.err;
  }
}

TEST(CliTest, HelpAndVersion) {
  Outcome outcome = RunCli({"--help"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_NE(outcome.out.find("Usage: numerant-cli"), std::string::npos);
  outcome = RunCli({"--version"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_TRUE(outcome.out.starts_with("numerant-cli "));
}

TEST(CliTest, NumbersThatLookLikeOptionsAfterTheirMarker) {
  EXPECT_EQ(RunCli({"calc", "Verhoeff", "-236"}).out, "3\n");
  EXPECT_EQ(RunCli({"calc", "Verhoeff", "--", "--236"}).out, "3\n");
}

}  // namespace
}  // namespace numerant::cli
