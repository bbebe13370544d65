#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const int status = numerant::cli::Run(arguments, stdin, stdout, stderr);
  // Run has flushed every answer; closing can still fail on some file
  // systems, and then the answers may not all have arrived.
  if (std::fclose(stdout) != 0 && status != numerant::cli::kFailure && errno != EPIPE) {
    std::fprintf(stderr, "numerant-cli: cannot write the answers: %s\n", std::strerror(errno));
    return numerant::cli::kFailure;
  }
  return status;
}
