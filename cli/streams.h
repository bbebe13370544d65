// SPDX-License-Identifier: MIT
// Reading lines and writing answers in large blocks, with every read and
// write error kept for the caller to report: a full disk or an unreadable
// input must not pass as a finished batch.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numerant::cli {

// Collects output and writes it in blocks of 64 KiB, or after every line.
// A line is put together in `buffer()` and ends with `EndLine`; a verdict
// goes straight into the block.
class Output {
 public:
  Output(std::FILE* stream, bool line_buffered);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // The line being written.
  std::string& buffer() { return line_; }
  void EndLine() {
    line_.push_back('\n');
    Put(line_);
    line_.clear();
    if (line_buffered_ || size_ >= kFlushSize) Flush();
  }
  // "valid" or "invalid" and a line break. Half of a batch's numbers may be
  // invalid in no order a processor can guess, so the line is written
  // without a branch on the verdict: eight bytes always, of which "valid\n"
  // keeps six. The block has room for them: it is handed on once it holds
  // `kFlushSize` bytes.
  void WriteVerdict(bool valid) {
    static constexpr char kVerdicts[2][8] = {{'i', 'n', 'v', 'a', 'l', 'i', 'd', '\n'},
                                             {'v', 'a', 'l', 'i', 'd', '\n', ' ', ' '}};
    std::memcpy(block_.get() + size_, kVerdicts[static_cast<std::size_t>(valid)],
                sizeof kVerdicts[0]);
    size_ += 8 - 2 * static_cast<std::size_t>(valid);
    if (line_buffered_ || size_ >= kFlushSize) Flush();
  }
  // Hands the block and any unfinished line to the stream and flushes it;
  // false once a write has failed, after which nothing more is written.
  bool Flush();

  // The errno of the first failed write or flush, 0 while all went well.
  int error() const { return error_; }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  // Room for one verdict beyond the flush size.
  static constexpr std::size_t kBlockSize = kFlushSize + 8;

  // Copies text into the block, or writes it out past the block when it
  // does not fit.
  void Put(std::string_view text);
  // Hands text to the stream, unless a write has failed before.
  void Write(std::string_view text);

  std::FILE* stream_;
  bool line_buffered_;
  std::unique_ptr<char[]> block_;
  std::size_t size_ = 0;
  std::string line_;
  int error_ = 0;
};

// Reads lines of any length, each without its trailing "\n" or "\r\n", and
// skips a UTF-8 byte-order mark at the very start. A line that lies whole in
// the current block is handed out without copying, and is known to be ASCII
// when the whole block is: a batch of numbers then needs no look at each
// line's bytes before it is read as UTF-8. Reading goes straight to
// the file descriptor where the stream has one, so a line is answered as
// soon as it has arrived rather than when a whole block has.
class LineReader {
 public:
  explicit LineReader(std::FILE* stream);

  // The next line, valid until the next call; nothing at the end of input
  // or after a read error. A line cut short by a read error is not handed
  // out.
  std::optional<std::string_view> Next() {
    // Most lines lie whole in the block already read. Before the first read
    // the block is empty, so the start of the input takes the long way.
    const char* start = block_.data() + position_;
    const std::size_t available = filled_ - position_;
    const char* end = FindLineBreak(start, available);
    if (end == nullptr) return NextAcrossBlocks();
    const auto length = static_cast<std::size_t>(end - start);
    position_ += length + 1;
    line_ascii_ = block_ascii_;
    return Trimmed(std::string_view(start, length));
  }

  // Whether the line last handed out is known to be plain ASCII; false
  // where that is unknown (the line may still be ASCII).
  bool LineKnownAscii() const { return line_ascii_; }

  // The errno of a failed read, 0 when the input ended normally.
  int error() const { return error_; }

 private:
  // The size of a block, and the bytes after it that a search may read.
  static constexpr std::size_t kBlockSize = 1 << 16;
  static constexpr std::size_t kSlack = 8;

  // The first line break among the `available` bytes from `start`, or null.
  // A line of a batch is short: eight bytes are looked at a time, and a byte
  // that is "\n" is found as a zero byte of the word XOR "\n\n...": the
  // lowest byte flagged by (x - 0x01...) & ~x & 0x80... is always a true
  // one. The last word may reach into the slack behind the block, which
  // holds no line break that counts.
  static const char* FindLineBreak(const char* start, std::size_t available) {
    constexpr std::uint64_t kOnes = 0x0101010101010101U;
    constexpr std::uint64_t kHigh = 0x8080808080808080U;
    constexpr std::uint64_t kBreaks = kOnes * static_cast<unsigned char>('\n');
    for (std::size_t i = 0; i < available; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, start + i, sizeof word);
      const std::uint64_t x = word ^ kBreaks;
      const std::uint64_t found = (x - kOnes) & ~x & kHigh;
      if (found != 0) {
        const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(found)) / 8;
        return at < available ? start + at : nullptr;
      }
    }
    return nullptr;
  }

  static std::string_view Trimmed(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  // A line that begins in the rest of the block (or at the start of the
  // input) and ends in a later block, or at the end of input.
  std::optional<std::string_view> NextAcrossBlocks();
  // Reads more input after the `filled_` bytes already in the block; false
  // at the end of input or on an error.
  bool ReadMore();
  bool Refill();
  void SkipByteOrderMark();

  std::FILE* stream_;
  int descriptor_;
  std::vector<char> block_;
  std::string carry_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool at_start_ = true;
  bool ended_ = false;
  // Whether every byte read into the block so far is below 0x80.
  bool block_ascii_ = true;
  bool line_ascii_ = false;
  int error_ = 0;
};

}  // namespace numerant::cli
