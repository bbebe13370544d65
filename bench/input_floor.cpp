// SPDX-License-Identifier: MIT
// The input floor of the batch benchmark: reads standard input the way
// numerant-cli does (64 KiB fread blocks, memchr for each line break) and does
// nothing with the lines but count them and their bytes. No program that
// reads its numbers this way can go faster.
//   numerant_input_floor < numbers.txt      prints "LINES BYTES"
#include <cstdio>
#include <cstring>
#include <vector>

int main() {
  std::vector<char> block(1 << 16);
  unsigned long long lines = 0;
  unsigned long long bytes = 0;
  std::size_t filled;
  while ((filled = std::fread(block.data(), 1, block.size(), stdin)) > 0) {
    const char* at = block.data();
    const char* const end = at + filled;
    while (at < end) {
      const auto* line_end =
          static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
      if (line_end == nullptr) break;  // the line goes on in the next block
      bytes += static_cast<unsigned long long>(line_end - at);
      ++lines;
      at = line_end + 1;
    }
  }
  std::printf("%llu %llu\n", lines, bytes);
  return 0;
}
