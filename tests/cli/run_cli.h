// SPDX-License-Identifier: MIT
// Runs numerant-cli in-process on streams in memory.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace numerant::cli::harness {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs the command line with `in` as standard input; standard output is
// captured unless `out` names another stream to write to.
inline Outcome RunCliOn(const std::vector<std::string_view>& arguments, std::FILE* in,
                        std::FILE* out = nullptr) {
  char* out_data = nullptr;
  char* err_data = nullptr;
  std::size_t out_size = 0;
  std::size_t err_size = 0;
  std::FILE* captured_out = out != nullptr ? nullptr : open_memstream(&out_data, &out_size);
  std::FILE* err = open_memstream(&err_data, &err_size);
  const int status = Run(arguments, in, out != nullptr ? out : captured_out, err);
  if (captured_out != nullptr) std::fclose(captured_out);
  std::fclose(err);
  Outcome outcome{status, out_data != nullptr ? std::string(out_data, out_size) : "",
                  std::string(err_data, err_size)};
  std::free(out_data);
  std::free(err_data);
  return outcome;
}

// Runs the command line with the given text as standard input.
inline Outcome RunCli(const std::vector<std::string_view>& arguments, std::string input = "") {
  std::FILE* in =
      input.empty() ? std::fopen("/dev/null", "r") : fmemopen(input.data(), input.size(), "r");
  Outcome outcome = RunCliOn(arguments, in);
  std::fclose(in);
  return outcome;
}

}  // namespace numerant::cli::harness
