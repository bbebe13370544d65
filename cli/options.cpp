// SPDX-License-Identifier: MIT
#include "cli/options.h"

namespace numerant::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: numerant-cli [OPTION...] COMMAND [SCHEME] [NUMBER...]\n"
    "\n"
    "Commands:\n"
    "  list                      print the 52 schemes of the calculator, one a line\n"
    "  list --all                print every format: the 52, the building blocks,\n"
    "                            then the further formats by area\n"
    "  calc SCHEME [NUMBER...]   print the check digit(s) of each number without them\n"
    "  check SCHEME [NUMBER...]  print 'valid' or 'invalid' for each complete number\n"
    "  complete SCHEME [NUMBER...]\n"
    "                            print each number with its check digit(s) in place\n"
    "  format SCHEME [NUMBER...] print each number in its customary written form\n"
    "                            (IBAN in groups of four, ISSN 0024-9319)\n"
    "  compact SCHEME [NUMBER...]\n"
    "                            print each number as the scheme stores it: without\n"
    "                            separators or country prefix, upper-cased\n"
    "  convert UPC [NUMBER...]   print the other form (UPC-A or UPC-E) of each number\n"
    "  convert ISBN|ISSN|ismn [NUMBER...]\n"
    "                            ISBN-10 and ISBN-13 (978), ISSN and its EAN-13 (977;\n"
    "                            issue code 00 unless two digits follow the ISSN),\n"
    "                            ISMN's M and 979-0 forms\n"
    "  identify [NUMBER...]      print the schemes that accept each complete number\n"
    "                            (with --all, every format; those without a check\n"
    "                            digit last, marked so)\n"
    "\n"
    "SCHEME is a name from 'list --all' (in any case): one of the 52, of the\n"
    "building blocks Luhn, Modulo10 and Modulo97, or of the further formats, among\n"
    "them the building blocks damm, luhn_mod_n and iso7064.mod_*. Numbers are taken "
    "from the command line and\n"
    "from the files of -f in their order, one a line in a file; '-' stands for\n"
    "standard input, which is read alone when no number and no file is given.\n"
    "\n"
    "Options (before or after the command):\n"
    "  --json           one JSON object a line, with the fields the number encodes\n"
    "  --explain        with 'check': say why a number is invalid\n"
    "  --all            with 'list' and 'identify': every format\n"
    "  --with-input     write each number, a tab, then its answer\n"
    "  --summary        end with the counts of the answers on standard error\n"
    "  --line-buffered  write each answer as soon as its number is read\n"
    "  -f, --file FILE  read numbers from FILE, one a line ('-': standard input)\n"
    "  -h, --help       show this help and exit\n"
    "  --version        show the version and exit\n"
    "  --               end the options; a number may then begin with '-'\n"
    "\n"
    "Exit status: 0 success; 1 'check' found an invalid number, 'calc' or\n"
    "'complete' could compute no check digit for a number, or 'identify' found\n"
    "a number that no scheme accepts; 2 a usage error, or a file or stream that\n"
    "could not be read or written.\n";

constexpr std::string_view kOptionList =
    "the options are --json, --explain, --all, --with-input, --summary, --line-buffered, -f FILE, "
    "-h, --help, --version and --";
constexpr std::string_view kCommandList =
    "the commands are list, calc, check, complete, format, compact, convert and identify";

std::optional<Command> ParseCommand(std::string_view word) {
  if (word == "list") return Command::kList;
  if (word == "calc") return Command::kCalc;
  if (word == "check") return Command::kCheck;
  if (word == "complete") return Command::kComplete;
  if (word == "convert") return Command::kConvert;
  if (word == "identify") return Command::kIdentify;
  if (word == "format") return Command::kFormat;
  if (word == "compact") return Command::kCompact;
  return std::nullopt;
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "--name" and "-x" with a letter; "-" alone and "-236" are numbers.
bool LooksLikeOption(std::string_view argument) {
  return (argument.size() > 2 && argument.starts_with("--")) ||
         (argument.size() >= 2 && argument[0] == '-' && IsAsciiLetter(argument[1]));
}

}  // namespace

std::string_view UsageText() {
  return kUsage;
}

std::variant<Options, std::string> ParseCommandLine(std::span<const std::string_view> arguments) {
  Options options;
  // The words and the files of -f, in command-line order.
  struct Item {
    bool is_file;
    std::string_view text;
  };
  std::vector<Item> items;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (options_ended || !(argument == "--" || LooksLikeOption(argument))) {
      items.push_back({false, argument});
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--explain") {
      options.explain = true;
    } else if (argument == "--all") {
      options.all = true;
    } else if (argument == "--with-input") {
      options.with_input = true;
    } else if (argument == "--summary") {
      options.summary = true;
    } else if (argument == "--line-buffered") {
      options.line_buffered = true;
    } else if (argument == "-h" || argument == "--help") {
      options.help = true;
      return options;
    } else if (argument == "--version") {
      options.version = true;
      return options;
    } else if (argument == "-f" || argument == "--file") {
      if (i + 1 == arguments.size()) return "'" + std::string(argument) + "' needs a FILE";
      items.push_back({true, arguments[++i]});
    } else if (argument.starts_with("--file=")) {
      items.push_back({true, argument.substr(7)});
    } else {
      return "unknown option '" + std::string(argument) + "'; " + std::string(kOptionList);
    }
  }

  std::size_t words_seen = 0;
  std::size_t words_before_numbers = 1;
  for (const Item& item : items) {
    if (item.is_file) {
      const bool standard_input = item.text == "-";
      options.sources.push_back(
          {standard_input ? Source::Kind::kStandardInput : Source::Kind::kFile, item.text});
      continue;
    }
    ++words_seen;
    if (words_seen == 1) {
      const std::optional<Command> command = ParseCommand(item.text);
      if (!command) {
        return "unknown command '" + std::string(item.text) + "'; " + std::string(kCommandList);
      }
      options.command = *command;
      if (*command == Command::kCalc || *command == Command::kCheck ||
          *command == Command::kComplete || *command == Command::kConvert ||
          *command == Command::kFormat || *command == Command::kCompact) {
        words_before_numbers = 2;
      }
    } else if (words_seen <= words_before_numbers) {
      options.scheme = item.text;
    } else {
      options.sources.push_back(
          {item.text == "-" ? Source::Kind::kStandardInput : Source::Kind::kNumber, item.text});
    }
  }
  if (words_seen == 0) return "missing command; " + std::string(kCommandList);
  if (options.command == Command::kList && !options.sources.empty())
    return "'list' takes no numbers";
  return options;
}

}  // namespace numerant::cli
