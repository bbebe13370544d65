// numerant-cli: the calculator's schemes for batch work.
//
//   numerant-cli [OPTION...] list
//   numerant-cli [OPTION...] calc SCHEME [NUMBER...]
//   numerant-cli [OPTION...] check SCHEME [NUMBER...]
//   numerant-cli [OPTION...] convert UPC [NUMBER...]
//   numerant-cli [OPTION...] identify [NUMBER...]
//
// With no NUMBER and no -f FILE the numbers are read from standard input,
// one a line, and the answers streamed one a line in the same order.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace numerant::cli {

enum ExitStatus : int {
  kSuccess = 0,
  // `check` found an invalid number, `calc` computed no check digit for a
  // number, or `identify` found a number that no scheme accepts.
  kNegativeAnswer = 1,
  // A usage error, or a file or stream that could not be read or written.
  kFailure = 2,
};

// Runs one command line (without the program name) against the given
// streams and returns the exit status. Files named with -f are opened by
// their name.
int Run(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace numerant::cli
