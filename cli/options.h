// SPDX-License-Identifier: MIT
// The command line of numerant-cli: options may stand anywhere before "--",
// the first other word is the command, then (except for `list` and
// `identify`) the scheme, then the numbers.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace numerant::cli {

enum class Command { kList, kCalc, kCheck, kComplete, kConvert, kIdentify, kFormat, kCompact };

// One place numbers come from, in the order of the command line.
struct Source {
  enum class Kind { kNumber, kFile, kStandardInput };
  Kind kind;
  std::string_view text;  // the number, or the file's name
};

struct Options {
  bool help = false;
  bool version = false;
  bool json = false;
  bool with_input = false;
  bool summary = false;
  bool explain = false;
  bool line_buffered = false;
  // `list` and `identify` over every format, the further ones included.
  bool all = false;
  Command command = Command::kList;
  std::string_view scheme;
  // Empty when the numbers come from standard input alone.
  std::vector<Source> sources;
};

// The help text of --help.
std::string_view UsageText();

// The parsed command line, or the message of a usage error.
std::variant<Options, std::string> ParseCommandLine(std::span<const std::string_view> arguments);

}  // namespace numerant::cli
