#include "cli/cli.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/encoding.h"
#include "cli/json_writer.h"
#include "core/version.h"
#include "schemes/catalogue.h"
#include "schemes/products/ean_upc.h"

namespace numerant::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: numerant-cli [--json] COMMAND [SCHEME] [NUMBER...]\n"
    "\n"
    "Commands:\n"
    "  list                  print the 52 schemes of the calculator, one a line\n"
    "  calc SCHEME [NUMBER]  print the check digit(s) of each number\n"
    "  check SCHEME [NUMBER] print 'valid' or 'invalid' for each complete number\n"
    "  convert UPC [NUMBER]  print the other form (UPC-A or UPC-E) of each UPC number\n"
    "\n"
    "SCHEME is a name from 'list' (in any case) or one of the building blocks\n"
    "Luhn, Modulo10 and Modulo97. Without NUMBER, numbers are read from standard\n"
    "input, one a line.\n"
    "\n"
    "Options:\n"
    "  --json     one JSON object a line, with every field of the scheme\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 success, 1 'check' found an invalid number, 2 usage error.\n";

enum class Command { kList, kCalc, kCheck, kConvert };

std::optional<Command> ParseCommand(std::string_view word) {
  if (word == "list") return Command::kList;
  if (word == "calc") return Command::kCalc;
  if (word == "check") return Command::kCheck;
  if (word == "convert") return Command::kConvert;
  return std::nullopt;
}

// Collects output and writes it in large blocks.
class Output {
 public:
  explicit Output(std::FILE* stream) : stream_(stream) { buffer_.reserve(kFlushSize * 2); }
  ~Output() { Flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  std::string& buffer() { return buffer_; }
  void EndLine() {
    buffer_.push_back('\n');
    if (buffer_.size() >= kFlushSize) Flush();
  }
  void Flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stream_);
    buffer_.clear();
    std::fflush(stream_);
  }

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  std::FILE* stream_;
  std::string buffer_;
};

// Reads lines of any length, each without its trailing "\n" or "\r\n". A
// line that lies whole in the current block is handed out without copying.
class LineReader {
 public:
  explicit LineReader(std::FILE* stream) : stream_(stream), block_(1 << 16) {}

  // The next line, valid until the next call; nothing at the end of input.
  std::optional<std::string_view> Next() {
    carry_.clear();
    bool carrying = false;
    for (;;) {
      if (position_ == filled_ && !Fill()) {
        if (!carrying) return std::nullopt;
        return Trimmed(carry_);  // a last line without a line break
      }
      const char* start = block_.data() + position_;
      const std::size_t available = filled_ - position_;
      const auto* end = static_cast<const char*>(std::memchr(start, '\n', available));
      if (end == nullptr) {
        carry_.append(start, available);
        position_ = filled_;
        carrying = true;
        continue;
      }
      const auto length = static_cast<std::size_t>(end - start);
      position_ += length + 1;
      if (!carrying) return Trimmed(std::string_view(start, length));
      carry_.append(start, length);
      return Trimmed(carry_);
    }
  }

 private:
  static std::string_view Trimmed(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  bool Fill() {
    filled_ = std::fread(block_.data(), 1, block_.size(), stream_);
    position_ = 0;
    return filled_ > 0;
  }

  std::FILE* stream_;
  std::vector<char> block_;
  std::string carry_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
};

class Session {
 public:
  // `converter` is the UPC inside `scheme` for `convert`, null otherwise.
  Session(Command command, bool json, std::unique_ptr<Scheme> scheme, UPC* converter,
          std::FILE* out)
      : command_(command),
        json_(json),
        scheme_(std::move(scheme)),
        converter_(converter),
        out_(out) {}

  // Answers one number; false when `check` found it invalid.
  bool Answer(std::string_view utf8_input) {
    const std::string_view number = Utf8ToLatin1(utf8_input, latin1_);
    std::string& out = out_.buffer();
    bool valid = true;
    std::string result;
    switch (command_) {
      case Command::kCheck:
        valid = scheme_->Check(number);
        break;
      case Command::kConvert:
        result = converter_->Convert(number);
        break;
      default:
        result = scheme_->CalculateText(number);
        break;
    }
    if (!json_) {
      if (command_ == Command::kCheck) {
        out += valid ? "valid" : "invalid";
      } else {
        AppendLatin1AsUtf8(out, result);
      }
      out_.EndLine();
      return valid;
    }
    out += "{\"input\": ";
    AppendJsonString(out, utf8_input);
    if (command_ == Command::kCheck) {
      out += valid ? ", \"valid\": true" : ", \"valid\": false";
    } else {
      out += ", \"result\": ";
      AppendJsonValue(out, PropertyValue(result));
    }
    out += ", \"fields\": {";
    bool first = true;
    auto write_field = [&](std::string_view name, const PropertyValue& value) {
      out += first ? "\"" : ", \"";
      first = false;
      out += name;
      out += "\": ";
      AppendJsonValue(out, value);
    };
    scheme_->VisitProperties(write_field);
    out += "}}";
    out_.EndLine();
    return valid;
  }

 private:
  Command command_;
  bool json_;
  std::unique_ptr<Scheme> scheme_;
  UPC* converter_;
  Output out_;
  std::string latin1_;
};

std::string SchemeChoices() {
  std::string choices;
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      if (!choices.empty()) choices += ", ";
      choices += entry.name;
    }
  }
  return choices;
}

int UsageError(std::FILE* err, std::string_view message) {
  std::fprintf(err, "numerant-cli: %.*s\nTry 'numerant-cli --help' for more information.\n",
               static_cast<int>(message.size()), message.data());
  return kUsageError;
}

}  // namespace

int Run(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out,
        std::FILE* err) {
  bool json = false;
  bool options_ended = false;
  std::vector<std::string_view> words;
  for (std::string_view argument : arguments) {
    if (!options_ended && argument.starts_with("--")) {
      if (argument == "--") {
        options_ended = true;
      } else if (argument == "--json") {
        json = true;
      } else if (argument == "--help") {
        std::fwrite(kUsage.data(), 1, kUsage.size(), out);
        return kSuccess;
      } else if (argument == "--version") {
        std::fprintf(out, "numerant-cli %s\n", kVersion);
        return kSuccess;
      } else {
        return UsageError(err, "unknown option '" + std::string(argument) +
                                   "'; the options are --json, --help and --version");
      }
    } else if (!options_ended && argument == "-h") {
      std::fwrite(kUsage.data(), 1, kUsage.size(), out);
      return kSuccess;
    } else {
      words.push_back(argument);
    }
  }

  if (words.empty())
    return UsageError(err, "missing command; the commands are list, calc, check and convert");
  const std::optional<Command> command = ParseCommand(words.front());
  if (!command) {
    return UsageError(err, "unknown command '" + std::string(words.front()) +
                               "'; the commands are list, calc, check and convert");
  }

  if (*command == Command::kList) {
    if (words.size() > 1) return UsageError(err, "'list' takes no arguments");
    Output output(out);
    for (const CatalogueEntry& entry : SchemeList()) {
      output.buffer() += entry.name;
      output.EndLine();
    }
    return kSuccess;
  }

  if (words.size() < 2) return UsageError(err, "missing SCHEME; choose one of: " + SchemeChoices());
  const std::string_view scheme_name = words[1];
  std::unique_ptr<Scheme> scheme;
  UPC* converter = nullptr;
  if (*command == Command::kConvert) {
    if (FindScheme(scheme_name) != FindScheme("UPC")) {
      return UsageError(err, "'convert' works on UPC only, not '" + std::string(scheme_name) + "'");
    }
    // `Convert` lies outside the common face, so the session keeps the UPC
    // itself beside the scheme that reports its fields.
    auto upc = std::make_unique<SchemeAdapter<UPC>>();
    converter = &upc->scheme();
    scheme = std::move(upc);
  } else {
    const CatalogueEntry* entry = FindScheme(scheme_name);
    if (entry == nullptr) {
      return UsageError(err, "unknown scheme '" + std::string(scheme_name) +
                                 "'; choose one of: " + SchemeChoices());
    }
    if (entry->create == nullptr) {
      return UsageError(err, "the scheme '" + std::string(entry->name) + "' is not available yet");
    }
    scheme = entry->create();
  }

  Session session(*command, json, std::move(scheme), converter, out);
  bool all_valid = true;
  if (words.size() > 2) {
    for (std::size_t i = 2; i < words.size(); ++i)
      all_valid &= session.Answer(words[i]);
  } else {
    LineReader reader(in);
    while (const std::optional<std::string_view> line = reader.Next()) {
      all_valid &= session.Answer(*line);
    }
  }
  return all_valid ? kSuccess : kInvalidFound;
}

}  // namespace numerant::cli
