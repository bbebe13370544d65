// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "tests/cli/run_cli.h"

namespace numerant::cli {
namespace {

using harness::Outcome;
using harness::RunCli;
using harness::RunCliOn;

// A stream that hands out `text` and then fails with EIO, as a disk or a
// network file system can in the middle of a file.
std::FILE* FailingAfter(std::string* text) {
  cookie_io_functions_t functions{};
  functions.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
    auto* rest = static_cast<std::string*>(cookie);
    if (rest->empty()) {
      errno = EIO;
      return -1;
    }
    const std::size_t n = std::min(size, rest->size());
    rest->copy(buffer, n);
    rest->erase(0, n);
    return static_cast<ssize_t>(n);
  };
  return fopencookie(text, "r", functions);
}

// The command lines of the defects once found, each with what it must give.
TEST(CliTest, DefectCases) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string input;
    std::string out;
    int status;
    std::string err_mentions = "";
    // Where standard input or output is a file rather than the text above.
    const char* stdin_path = nullptr;
    const char* stdout_path = nullptr;
  } cases[] = {
      // Write errors are reported, and so are read errors.
      {{"list"}, "", "", kFailure, "No space left on device", nullptr, "/dev/full"},
      {{"check", "Luhn", "79927398713"}, "", "", kFailure, "No space left", nullptr, "/dev/full"},
      {{"--help"}, "", "", kFailure, "No space left", nullptr, "/dev/full"},
      {{"check", "Luhn"}, "", "", kFailure, "cannot read standard input: Is a directory", "."},
      {{"check", "Luhn", "79927398713", "-f", "."}, "", "valid\n", kFailure, "cannot read '.'"},
      // JSON stays UTF-8.
      {{"--json", "check", "Luhn"},
       "7992739871\xff\n",
       "{\"input\": \"7992739871\xEF\xBF\xBD\", \"valid\": false, \"reason\": {\"kind\": "
       "\"character\", \"place\": 11, \"character\": \"?\"}, \"fields\": {\"CheckDigit\": 3}, "
       "\"formatted\": \"7992739871?\"}\n",
       kNegativeAnswer},
      // One JSON type per field: a check digit not computed is null.
      {{"--json", "check", "IBAN", "DE"},
       "",
       "{\"input\": \"DE\", \"valid\": false, \"reason\": {\"kind\": \"length\", \"length\": 2, "
       "\"lengths\": [[4, 34]]}, \"fields\": {\"AccountNumber\": \"\", \"CheckDigit\": null, "
       "\"CountryCode\": \"\"}, \"formatted\": \"DE\"}\n",
       kNegativeAnswer},
      // A byte-order mark is skipped.
      {{"check", "Luhn"},
       "\xEF\xBB\xBF"
       "79927398713\r\n79927398713\r\n",
       "valid\nvalid\n",
       kSuccess},
      {{"check", "Luhn"},
       "\xEF\xBB"
       "79927398713\n",
       "invalid\n",
       kNegativeAnswer},
      // What the manual page now says.
      {{"check", "MRN",
        "A\xE2\x82\xAC"
        "0"},
       "",
       "valid\n",
       kSuccess},
      {{"calc", "RUN", "abc"}, "", "-1\n", kNegativeAnswer, "1 of 1 numbers got no check digit"},
      // The smaller ones.
      {{"--json", "convert", "UPC", "01234565"},
       "",
       "{\"input\": \"01234565\", \"result\": \"012345000065\", \"fields\": {\"CheckDigit\": 5, "
       "\"ManufacturerCode\": \"12345\", \"NumberSystem\": 0, \"ProductCode\": \"00006\"}, "
       "\"formatted\": \"01234565\"}\n",
       kSuccess},
      {{"--json", "convert", "UPC", "0123456"},
       "",
       "{\"input\": \"0123456\", \"result\": \"01234500006\", \"fields\": {\"CheckDigit\": 5, "
       "\"ManufacturerCode\": \"12345\", \"NumberSystem\": 0, \"ProductCode\": \"00006\"}, "
       "\"formatted\": \"0123456\"}\n",
       kSuccess},
      // Written forms: look-alikes read as ASCII, the parts named, every
      // number answered.
      {{"format", "ISSN",
        "0024\xE2\x80\x93"
        "9319",
        "0024931"},
       "",
       "0024-9319\n0024931\n",
       kSuccess},
      {{"compact", "cl.rut"}, "CL 12.531.909-2\n\xEF\xBC\x91\n", "125319092\n1\n", kSuccess},
      {{"--json", "format", "ISBN", "0-8044-2957-x"},
       "",
       "{\"input\": \"0-8044-2957-x\", \"formatted\": \"0-8044-2957-X\", \"parts\": {\"group\": "
       "\"0\", \"registrant\": \"8044\", \"publication\": \"2957\", \"check_digit\": \"X\"}}\n",
       kSuccess},
      {{"--json", "compact", "IBAN", "de89 3704"},
       "",
       "{\"input\": \"de89 3704\", \"compact\": \"DE893704\"}\n",
       kSuccess},
      {{"format"}, "", "", kFailure, "missing SCHEME"},
      {{"-x"}, "", "", kFailure, "unknown option '-x'"},
      {{"-v", "list"}, "", "", kFailure, "unknown option '-v'"},
      {{"check", "-V", "Luhn", "1"}, "", "", kFailure, "unknown option '-V'"},
      {{"convert"},
       "",
       "",
       kFailure,
       "missing SCHEME; 'convert' works on UPC, ISBN, ISSN or ismn\n"},
      // calc says when a number got no check digit.
      {{"calc", "Verhoeff", "236", "x"}, "", "3\n-1\n", kNegativeAnswer, "1 of 2 numbers"},
      {{"calc", "DNI"}, "12345678\n\n", "Z\n\n", kNegativeAnswer, "1 of 2 numbers"},
  };
  for (const auto& c : cases) {
    const std::string command = ::testing::PrintToString(c.arguments);
    std::FILE* in = c.stdin_path != nullptr ? std::fopen(c.stdin_path, "r") : nullptr;
    std::FILE* out = c.stdout_path != nullptr ? std::fopen(c.stdout_path, "w") : nullptr;
    std::string input = c.input;
    if (in == nullptr)
      in = input.empty() ? std::fopen("/dev/null", "r") : fmemopen(input.data(), input.size(), "r");
    const Outcome outcome = RunCliOn(c.arguments, in, out);
    std::fclose(in);
    if (out != nullptr) std::fclose(out);
    EXPECT_EQ(outcome.out, c.out) << command;
    EXPECT_EQ(outcome.status, c.status) << command;
    if (c.err_mentions.empty()) {
      EXPECT_EQ(outcome.err, "") << command;
    } else {
      EXPECT_NE(outcome.err.find(c.err_mentions), std::string::npos) << command << outcome.err;
    }
  }
}

TEST(CliTest, ReadErrorComesAfterTheAnswersToTheLinesBeforeIt) {
  // "12" is cut short by the error and gets no answer.
  std::string text = "79927398713\n1\n12";
  std::FILE* in = FailingAfter(&text);
  const Outcome outcome = RunCliOn({"check", "--summary", "Luhn"}, in);
  std::fclose(in);
  EXPECT_EQ(outcome.out, "valid\ninvalid\n");
  EXPECT_EQ(outcome.status, kFailure);
  EXPECT_EQ(outcome.err,
            "numerant-cli: cannot read standard input: Input/output error\n"
            "numerant-cli: 2 read, 1 valid, 1 invalid\n");
}

TEST(CliTest, ListsTheSchemesInCatalogueOrder) {
  const Outcome outcome = RunCli({"list"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_TRUE(outcome.out.starts_with("ACL\nACN\nAHV\n"));
  EXPECT_TRUE(outcome.out.ends_with("VIN\nVSNR\nWSDLN\n"));
  EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 52);
}

TEST(CliTest, ListInJsonGivesPositionsShapesAndFieldTypes) {
  for (const auto& arguments : {std::vector<std::string_view>{"list", "--json"},
                                std::vector<std::string_view>{"--json", "list"}}) {
    const std::string out = RunCli(arguments).out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 55);
    EXPECT_TRUE(out.starts_with(
        "{\"name\": \"ACL\", \"position\": 0, \"check_characters\": \"digits\", \"check_length\": "
        "1, \"check_place\": null, \"payload_lengths\": [[12, 12]], \"lengths\": [[13, 13]], "
        "\"fields\": {\"CategoryCode\": \"number\", \"CheckDigit\": \"number\", \"PrefixCode\": "
        "\"string\"}}\n"));
    EXPECT_NE(out.find("{\"name\": \"WSDLN\", \"position\": 51, "), std::string::npos);
    EXPECT_TRUE(out.ends_with(
        "{\"name\": \"Modulo97\", \"position\": null, \"check_characters\": \"digits\", "
        "\"check_length\": 2, \"check_place\": null, \"payload_lengths\": [[1, null]], "
        "\"lengths\": [[3, null]], \"fields\": {\"CheckDigit\": \"string\", \"Reverse\": "
        "\"boolean\"}}\n"));
  }
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
  EXPECT_EQ(outcome.status, kNegativeAnswer);
  outcome = RunCli({"check", "Verhoeff", "2363", "123451"});
  EXPECT_EQ(outcome.out, "valid\nvalid\n");
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_EQ(outcome.err, "");
  // Any invalid number decides the status, wherever it stands.
  for (const auto& numbers : {std::vector<std::string_view>{"4006381333932", "4006381333931"},
                              {"4006381333931", "4006381333932", "4006381333931"}}) {
    std::vector<std::string_view> arguments{"check", "EAN"};
    arguments.insert(arguments.end(), numbers.begin(), numbers.end());
    EXPECT_EQ(RunCli(arguments).status, kNegativeAnswer) << numbers.front();
  }
  EXPECT_EQ(RunCli({"calc", "Verhoeff"}, "23x\n236\n").status, kNegativeAnswer);
}

TEST(CliTest, JsonCarriesInputResultAndEveryField) {
  EXPECT_EQ(RunCli({"calc", "--json", "Verhoeff", "236"}).out,
            "{\"input\": \"236\", \"result\": \"3\", \"fields\": {\"CheckDigit\": 3}, "
            "\"formatted\": \"2363\"}\n");
  EXPECT_EQ(RunCli({"--json", "calc", "Verhoeff", "a\"\\\t"}).out,
            "{\"input\": \"a\\\"\\\\\\t\", \"result\": \"-1\", \"fields\": {\"CheckDigit\": -1}, "
            "\"formatted\": \"a\\\"\\\\\\t\"}\n");
  EXPECT_EQ(RunCli({"calc", "--json", "Creditcard", "4111 1111 1111 111"}).out,
            "{\"input\": \"4111 1111 1111 111\", \"result\": \"1\", \"fields\": "
            "{\"AccountNumber\": \"111111111\", \"CheckDigit\": 1, \"IssuerCode\": "
            "\"411111\", \"MajorIndustryCode\": 4}, \"formatted\": \"4111 1111 1111 1111\"}\n");
}

TEST(CliTest, ConvertsUpcNumbers) {
  const Outcome outcome = RunCli({"convert", "upc", "04252614", "042100005264", "03600029145"});
  EXPECT_EQ(outcome.out, "042100005264\n04252614\n\n");
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_EQ(RunCli({"convert", "UPC"}, "0425-261\n").out, "04210000526\n");
  // A number with no other form keeps its fields unset.
  EXPECT_EQ(RunCli({"--json", "convert", "UPC", "03600029145"}).out,
            "{\"input\": \"03600029145\", \"result\": \"\", \"fields\": {\"CheckDigit\": -1, "
            "\"ManufacturerCode\": null, \"NumberSystem\": 0, \"ProductCode\": null}, "
            "\"formatted\": \"03600029145\"}\n");
}

TEST(CliTest, IdentifyNamesEverySchemeThatAcceptsTheNumber) {
  Outcome outcome = RunCli({"identify", "4111111111111111", "2363", "0"});
  EXPECT_EQ(outcome.out, "Creditcard MRN Luhn\nVerhoeff Modulo10\n\n");
  EXPECT_EQ(outcome.status, kNegativeAnswer);
  outcome = RunCli({"identify", "--with-input", "--summary"}, "DE89370400440532013000\n");
  EXPECT_EQ(outcome.out, "DE89370400440532013000\tIBAN MRN\n");
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_EQ(outcome.err, "numerant-cli: 1 read, 1 identified, 0 accepted by no scheme\n");

  EXPECT_EQ(
      RunCli({"--json", "identify", "9780306406157"}).out,
      "{\"input\": \"9780306406157\", \"schemes\": [{\"name\": \"ACL\", \"fields\": "
      "{\"CategoryCode\": 3, \"CheckDigit\": 7, \"PrefixCode\": \"9780\"}, \"formatted\": "
      "\"9780306406157\"}, {\"name\": "
      "\"EAN\", \"fields\": {\"CheckDigit\": 7, \"ManufacturerCode\": \"0306\", "
      "\"NumberSystem\": \"978\", \"ProductCode\": \"40615\"}, \"formatted\": \"9780306406157\"}, "
      "{\"name\": \"ISBN\", "
      "\"fields\": {\"CheckDigit\": \"7\", \"GroupCode\": \"03\", \"PublisherCode\": "
      "\"0640\", \"TitleNumber\": \"615\"}, \"formatted\": \"978-0-306-40615-7\"}, "
      "{\"name\": \"JMBG\", \"fields\": {\"BirthDate\": "
      "\"9780306\", \"CheckDigit\": 7, \"Gender\": 2, \"PoliticalRegionCode\": \"40\"}, "
      "\"formatted\": \"9780306406157\"}, "
      "{\"name\": \"Modulo10\", \"fields\": {\"CheckDigit\": 7}, \"formatted\": "
      "\"9780306406157\"}]}\n");
}

TEST(CliTest, WithInputPutsEachNumberBeforeItsAnswer) {
  EXPECT_EQ(RunCli({"check", "--with-input", "Verhoeff", "2363", "1 234"}).out,
            "2363\tvalid\n1 234\tinvalid\n");
  EXPECT_EQ(RunCli({"--with-input", "calc", "Verhoeff"}, "236\r\n\n").out, "236\t3\n\t-1\n");
  // The input as it came, bytes that are not UTF-8 included.
  EXPECT_EQ(RunCli({"--with-input", "calc", "Verhoeff", "2\xFF"}).out, "2\xFF\t-1\n");
  // JSON carries the input already.
  EXPECT_EQ(RunCli({"--with-input", "--json", "calc", "Verhoeff", "236"}).out,
            "{\"input\": \"236\", \"result\": \"3\", \"fields\": {\"CheckDigit\": 3}, "
            "\"formatted\": \"2363\"}\n");
}

// Lines are read in blocks of 64 KiB, and a block of ASCII alone is read
// without a look at each line; a line of another script is still read as
// UTF-8 wherever it falls: in the first block, at a block's end, across two
// blocks, in the last.
TEST(CliTest, ReadsUtf8LinesWhereverTheyFallInTheBlocks) {
  const std::string plain = "79927398713\n";
  const std::string other =
      "7992\xC3\xA4"
      "7398713\n";
  const std::size_t lines = 3 * (1 << 16) / plain.size();
  for (const std::size_t at :
       {std::size_t{0}, (1 << 16) / plain.size() - 1, (1 << 16) / plain.size(), lines - 1}) {
    std::string input;
    std::string explained;
    std::string verdicts;
    for (std::size_t i = 0; i < lines; ++i) {
      input += i == at ? other : plain;
      explained +=
          i == at ? "invalid: the character \"\xC3\xA4\" cannot stand at place 5\n" : "valid\n";
      verdicts += i == at ? "invalid\n" : "valid\n";
    }
    EXPECT_EQ(RunCli({"check", "--explain", "Luhn"}, input).out, explained) << "line " << at;
    EXPECT_EQ(RunCli({"check", "Luhn"}, input).out, verdicts) << "line " << at;
  }
}

// Answers are collected in blocks of 64 KiB: one longer than a block, or
// one that does not fit the rest of a block, still comes out whole and in
// its place.
TEST(CliTest, AnswersLongerThanABlockKeepTheirPlace) {
  const std::string shorter = "79927398713";
  // Too long for the sum's 16 bits: invalid.
  const std::string longer(70000, '0');
  const std::size_t lines = 2 * (1 << 16) / (shorter.size() + 7);
  for (const std::size_t at : {std::size_t{0}, lines / 2, lines - 1}) {
    std::string input;
    std::string answers;
    for (std::size_t i = 0; i < lines; ++i) {
      const std::string& number = i == at ? longer : shorter;
      input += number + "\n";
      answers += number + (i == at ? "\tinvalid\n" : "\tvalid\n");
    }
    EXPECT_EQ(RunCli({"check", "--with-input", "Luhn"}, input).out, answers) << "line " << at;
  }
}

TEST(CliTest, SummaryCountsTheAnswers) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string err;
  } cases[] = {
      {{"check", "--summary", "Verhoeff", "2363", "1234", "2364"},
       "numerant-cli: 3 read, 1 valid, 2 invalid\n"},
      {{"calc", "--summary", "Verhoeff", "236", "x"},
       "numerant-cli: 2 read, 1 calculated, 1 with no check digit\n"},
      {{"convert", "--summary", "UPC", "04252614", "1"},
       "numerant-cli: 2 read, 1 converted, 1 with no other form\n"},
      {{"calc", "--summary", "Verhoeff"},
       "numerant-cli: 0 read, 0 calculated, 0 with no check digit\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RunCli(c.arguments).err, c.err);
}

class CliFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("numerant-cli-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  std::filesystem::path folder_;
};

TEST_F(CliFilesTest, ReadsFilesAndStandardInputInCommandLineOrder) {
  const std::string first = Write("first.txt",
                                  "\xEF\xBB\xBF"
                                  "2363\r\n1234\r\n");
  const std::string second = Write("second.txt",
                                   "\xEF\xBB\xBF"
                                   "123451");
  const std::string file_option = "--file=" + second;
  const Outcome outcome =
      RunCli({"-f", first, "check", "Verhoeff", "2364", "-", file_option, "-f", "-"}, "11\n");
  // Standard input is read once; the second "-" finds it at its end.
  EXPECT_EQ(outcome.out, "valid\ninvalid\ninvalid\ninvalid\nvalid\n");
  EXPECT_EQ(outcome.status, kNegativeAnswer);
}

TEST_F(CliFilesTest, AFileThatCannotBeOpenedStopsNothingElse) {
  const std::string good = Write("good.txt", "2363\n");
  const std::string missing = (folder_ / "missing.txt").string();
  const Outcome outcome = RunCli({"check", "Verhoeff", "-f", missing, "-f", good});
  EXPECT_EQ(outcome.out, "valid\n");
  EXPECT_EQ(outcome.status, kFailure);
  EXPECT_EQ(outcome.err,
            "numerant-cli: cannot open '" + missing + "': No such file or directory\n");
}

// As a co-process: the answer to a line is out before the next line is in.
TEST(CliTest, LineBufferedAnswersEachLineAtOnce) {
  int to_cli[2];
  int from_cli[2];
  ASSERT_EQ(pipe(to_cli), 0);
  ASSERT_EQ(pipe(from_cli), 0);
  std::FILE* in = fdopen(to_cli[0], "r");
  std::FILE* out = fdopen(from_cli[1], "w");
  int status = -1;
  std::thread cli([&] {
    status = RunCliOn({"check", "--line-buffered", "Luhn"}, in, out).status;
    std::fclose(out);
  });
  ASSERT_EQ(write(to_cli[1], "79927398713\n", 12), 12);
  // A generous bound, only so that a failure ends the test instead of
  // hanging it.
  pollfd ready{from_cli[0], POLLIN, 0};
  EXPECT_EQ(poll(&ready, 1, 30000), 1);
  char answer[16] = {};
  EXPECT_EQ(read(from_cli[0], answer, sizeof answer), 6);
  EXPECT_STREQ(answer, "valid\n");
  ASSERT_EQ(write(to_cli[1], "1\n", 2), 2);
  close(to_cli[1]);
  cli.join();
  std::fclose(in);
  EXPECT_EQ(read(from_cli[0], answer, sizeof answer), 8);
  close(from_cli[0]);
  EXPECT_EQ(status, kNegativeAnswer);
}

TEST(CliTest, UsageErrorsExitTwoAndNameTheChoices) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string mentions;
  } cases[] = {
      {{}, "list, calc, check, complete, format, compact, convert and identify"},
      {{"frobnicate"}, "list, calc, check, complete, format, compact, convert and identify"},
      {{"calc"}, "Verhoeff"},
      {{"check", "Verhoef", "1"}, "Modulo97"},
      {{"calc", "--jsn", "Verhoeff"}, "--json"},
      {{"convert", "EAN", "1"}, "UPC"},
      {{"list", "extra"}, "list"},
      {{"check", "Luhn", "-f"}, "'-f' needs a FILE"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunCli(c.arguments);
    EXPECT_EQ(outcome.status, kFailure) << c.mentions;
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(c.mentions), std::string::npos) << outcome.err;
  }
  // Only UPC converts, so only UPC is offered.
  EXPECT_EQ(RunCli({"convert"}).err.find("Verhoeff"), std::string::npos);
}

TEST(CliTest, HelpAndVersion) {
  for (std::string_view option : {"--help", "-h"}) {
    const Outcome outcome = RunCli({"check", option});
    EXPECT_EQ(outcome.status, kSuccess);
    EXPECT_TRUE(outcome.out.starts_with("Usage: numerant-cli")) << option;
  }
  const Outcome outcome = RunCli({"--version"});
  EXPECT_EQ(outcome.status, kSuccess);
  EXPECT_TRUE(outcome.out.starts_with("numerant-cli "));
}

TEST(CliTest, NumbersThatLookLikeOptionsAfterTheirMarker) {
  EXPECT_EQ(RunCli({"calc", "Verhoeff", "-236"}).out, "3\n");
  EXPECT_EQ(RunCli({"calc", "Verhoeff", "--", "--236", "-x"}).out, "3\n-1\n");
}

// Each command on its numbers: the answer, the exit status and what goes to
// standard error, exactly.
TEST(CliTest, CommandsAnswerAndCountAsDocumented) {
  const struct {
    std::vector<std::string_view> arguments;
    std::string out;
    int status;
    std::string err = "";
  } cases[] = {
      {{"complete", "Luhn", "7992739871", "x"},
       "79927398713\n\n",
       kNegativeAnswer,
       "numerant-cli: 1 of 2 numbers got no check digit\n"},
      {{"--json", "complete", "Verhoeff", "236", "x"},
       "{\"input\": \"236\", \"complete\": \"2363\", \"fields\": {\"CheckDigit\": 3}, "
       "\"formatted\": \"2363\"}\n"
       "{\"input\": \"x\", \"complete\": null, \"fields\": {\"CheckDigit\": -1}, "
       "\"formatted\": \"x\"}\n",
       kNegativeAnswer,
       "numerant-cli: 1 of 2 numbers got no check digit\n"},
      // The counts take the place of the note on numbers without a check
      // digit.
      {{"complete", "--summary", "Verhoeff", "236", "x"},
       "2363\n\n",
       kNegativeAnswer,
       "numerant-cli: 2 read, 1 completed, 1 with no check digit\n"},
      // A valid number says what it tells; an invalid one why it is not.
      {{"check", "--explain", "PESEL", "85031512344", "85031512345"},
       "valid: born 15 March 1985, female, serial 123\ninvalid: check digit should be 4, not 5\n",
       kNegativeAnswer},
      {{"check", "--explain", "us.ein", "91-1144442"},
       "valid (no check digit): campus Philadelphia\n",
       kSuccess},
      {{"check", "--explain", "--with-input", "Luhn", "79927398714"},
       "79927398714\tinvalid: check digit should be 3, not 4\n",
       kNegativeAnswer},
      {{"--json", "check", "Verhoeff", "2363"},
       "{\"input\": \"2363\", \"valid\": true, \"reason\": {\"kind\": \"valid\"}, \"fields\": "
       "{\"CheckDigit\": 3}, \"formatted\": \"2363\"}\n",
       kSuccess},
      // Converting never fails a batch: a number without another form gets
      // an empty line.
      {{"convert", "--summary", "isbn", "0-306-40615-2", "9780306406157", "9791034910013"},
       "9780306406157\n0306406152\n\n",
       kSuccess,
       "numerant-cli: 3 read, 2 converted, 1 with no other form\n"},
      {{"identify", "--summary", "x"},
       "\n",
       kNegativeAnswer,
       "numerant-cli: 1 read, 0 identified, 1 accepted by no scheme\n"},
      // Options may follow the numbers.
      {{"calc", "Verhoeff", "236", "--json"},
       "{\"input\": \"236\", \"result\": \"3\", \"fields\": {\"CheckDigit\": 3}, "
       "\"formatted\": \"2363\"}\n",
       kSuccess},
      {{"convert", "Luhn", "1"},
       "",
       kFailure,
       "numerant-cli: 'convert' works on UPC, ISBN, ISSN or ismn, not 'Luhn'\n"
       "Try 'numerant-cli --help' for more information.\n"},
  };
  for (const auto& c : cases) {
    const std::string command = ::testing::PrintToString(c.arguments);
    const Outcome outcome = RunCli(c.arguments);
    EXPECT_EQ(outcome.out, c.out) << command;
    EXPECT_EQ(outcome.status, c.status) << command;
    EXPECT_EQ(outcome.err, c.err) << command;
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       start = end + 1, end = text.find('\n', start))
    lines.push_back(text.substr(start, end - start));
  return lines;
}

// With --all the 52 come first, then everything else; in plain text and in
// JSON the same names in the same order, and only the 52 have a position.
TEST(CliTest, ListAllExtendsTheListInBothForms) {
  const std::vector<std::string> the_52 = Lines(RunCli({"list"}).out);
  const std::vector<std::string> all = Lines(RunCli({"list", "--all"}).out);
  const std::vector<std::string> json = Lines(RunCli({"--all", "--json", "list"}).out);
  ASSERT_EQ(the_52.size(), 52u);
  ASSERT_GT(all.size(), the_52.size());
  ASSERT_EQ(json.size(), all.size());
  const std::string kMark = " (no check digit)";
  for (std::size_t i = 0; i < all.size(); ++i) {
    std::string name = all[i];
    const bool marked = name.ends_with(kMark);
    if (marked) name.resize(name.size() - kMark.size());
    if (i < the_52.size()) {
      EXPECT_EQ(all[i], the_52[i]);
    }
    const std::string opening = "{\"name\": \"" + name + "\", \"position\": " +
                                (i < the_52.size() ? std::to_string(i) : std::string("null"));
    EXPECT_TRUE(json[i].starts_with(opening)) << json[i];
    // A format without check characters has none to place.
    EXPECT_EQ(json[i].find(", \"check_length\": 0, ") != std::string::npos, marked) << json[i];
    EXPECT_NE(json[i].find(", \"separators\": \""), std::string::npos) << json[i];
  }
}

}  // namespace
}  // namespace numerant::cli
