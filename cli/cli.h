// numerant-cli: the calculator's schemes for batch work.
//
//   numerant-cli list
//   numerant-cli [--json] calc SCHEME [NUMBER...]
//   numerant-cli [--json] check SCHEME [NUMBER...]
//   numerant-cli [--json] convert UPC [NUMBER...]
//
// With no NUMBER the numbers are read from standard input, one a line, and
// the answers streamed one a line in the same order.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace numerant::cli {

enum ExitStatus : int {
  kSuccess = 0,
  kInvalidFound = 1,  // `check` found an invalid number
  kUsageError = 2,
};

// Runs one command line (without the program name) against the given
// streams and returns the exit status.
int Run(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace numerant::cli
