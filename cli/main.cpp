#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return numerant::cli::Run(arguments, stdin, stdout, stderr);
}
