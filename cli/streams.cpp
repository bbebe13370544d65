// SPDX-License-Identifier: MIT
#include "cli/streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "core/translation.h"

namespace numerant::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

Output::Output(std::FILE* stream, bool line_buffered)
    : stream_(stream),
      line_buffered_(line_buffered),
      block_(std::make_unique_for_overwrite<char[]>(kBlockSize)) {}

void Output::Write(std::string_view text) {
  if (error_ != 0 || text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size())
    error_ = errno != 0 ? errno : EIO;
}

void Output::Put(std::string_view text) {
  if (text.size() > kFlushSize - std::min(size_, kFlushSize)) {
    Write(std::string_view(block_.get(), size_));
    size_ = 0;
    if (text.size() >= kFlushSize) {
      Write(text);
      return;
    }
  }
  std::memcpy(block_.get() + size_, text.data(), text.size());
  size_ += text.size();
}

bool Output::Flush() {
  Write(std::string_view(block_.get(), size_));
  Write(line_);
  size_ = 0;
  line_.clear();
  if (error_ == 0 && std::fflush(stream_) != 0) error_ = errno != 0 ? errno : EIO;
  return error_ == 0;
}

LineReader::LineReader(std::FILE* stream)
    : stream_(stream), descriptor_(fileno(stream)), block_(kBlockSize + kSlack) {}

bool LineReader::ReadMore() {
  // Once the end has been seen it is not asked for again: a terminal would
  // wait for a second end-of-file.
  if (error_ != 0 || ended_) return false;
  char* const into = block_.data() + filled_;
  const std::size_t room = kBlockSize - filled_;
  std::size_t got = 0;
  if (descriptor_ >= 0) {
    ssize_t result;
    do {
      result = read(descriptor_, into, room);
    } while (result < 0 && errno == EINTR);
    if (result < 0) {
      error_ = errno;
      return false;
    }
    got = static_cast<std::size_t>(result);
  } else {
    // A stream without a descriptor (one in memory) is read through stdio.
    errno = 0;
    got = std::fread(into, 1, room, stream_);
    if (got == 0 && std::ferror(stream_)) error_ = errno != 0 ? errno : EIO;
  }
  // A block begins ASCII; each read adds its bytes to the verdict.
  block_ascii_ = (filled_ == 0 || block_ascii_) && IsAscii(std::string_view(into, got));
  filled_ += got;
  ended_ = got == 0;
  return got > 0;
}

bool LineReader::Refill() {
  position_ = 0;
  filled_ = 0;
  return ReadMore();
}

// Waits for more bytes only while those already there could still begin a
// mark, so that a short first line typed by hand is answered at once.
void LineReader::SkipByteOrderMark() {
  at_start_ = false;
  if (position_ == filled_ && !Refill()) return;
  for (;;) {
    const std::string_view start(block_.data(), filled_);
    if (start.starts_with(kByteOrderMark)) {
      position_ = kByteOrderMark.size();
      return;
    }
    if (start.size() >= kByteOrderMark.size() || !kByteOrderMark.starts_with(start)) return;
    if (!ReadMore()) return;
  }
}

std::optional<std::string_view> LineReader::NextAcrossBlocks() {
  if (at_start_) {
    SkipByteOrderMark();
    if (std::memchr(block_.data() + position_, '\n', filled_ - position_) != nullptr) return Next();
  }
  // A line put together across blocks is looked at by whoever reads it.
  line_ascii_ = false;
  carry_.assign(block_.data() + position_, filled_ - position_);
  position_ = filled_;
  for (;;) {
    if (!Refill()) {
      if (carry_.empty() || error_ != 0) return std::nullopt;
      return Trimmed(carry_);  // a last line without a line break
    }
    const auto* end = static_cast<const char*>(std::memchr(block_.data(), '\n', filled_));
    if (end == nullptr) {
      carry_.append(block_.data(), filled_);
      position_ = filled_;
      continue;
    }
    const auto length = static_cast<std::size_t>(end - block_.data());
    carry_.append(block_.data(), length);
    position_ = length + 1;
    return Trimmed(carry_);
  }
}

}  // namespace numerant::cli
