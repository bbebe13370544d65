// SPDX-License-Identifier: MIT
// A strict reader of one JSON text, for checking what numerant-cli writes
// with a reader that knows nothing of how it was written: it takes only what
// RFC 8259 allows, in well-formed UTF-8 (escapes only as far as the writer
// needs them: \uXXXX below U+0080).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numerant::cli::harness {

struct Json {
  enum class Type { kNull, kBoolean, kNumber, kString, kArray, kObject };
  Type type = Type::kNull;
  double number = 0;
  std::string text;  // a string's characters, or "true" / "false"
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;  // in the order written

  const Json* Find(std::string_view name) const {
    for (const auto& [key, value] : members) {
      if (key == name) return &value;
    }
    return nullptr;
  }
};

inline std::string_view TypeName(Json::Type type) {
  constexpr std::string_view kNames[] = {"null", "boolean", "number", "string", "array", "object"};
  return kNames[static_cast<int>(type)];
}

class JsonReader {
 public:
  // The value of the whole text, or nothing when it is not one JSON value.
  static std::optional<Json> Read(std::string_view text) {
    JsonReader reader(text);
    Json value;
    if (!reader.Value(value) || (reader.Blanks(), reader.at_ != text.size())) return std::nullopt;
    return value;
  }

 private:
  explicit JsonReader(std::string_view text) : text_(text) {}

  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) { return Peek() == c && (++at_, true); }
  void Blanks() {
    while (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')
      ++at_;
  }
  bool Word(std::string_view word) {
    return text_.substr(at_, word.size()) == word && (at_ += word.size(), true);
  }

  bool Value(Json& value) {
    Blanks();
    if (Word("null")) return true;
    for (std::string_view word : {"true", "false"}) {
      if (Word(word)) return value.type = Json::Type::kBoolean, value.text = word, true;
    }
    if (Take('"')) return value.type = Json::Type::kString, String(value.text);
    if (Take('[')) {
      value.type = Json::Type::kArray;
      if (Blanks(), Take(']')) return true;
      do {
        if (!Value(value.items.emplace_back())) return false;
      } while (Blanks(), Take(','));
      return Take(']');
    }
    if (Take('{')) {
      value.type = Json::Type::kObject;
      if (Blanks(), Take('}')) return true;
      do {
        auto& [key, member] = value.members.emplace_back();
        if (!(Blanks(), Take('"')) || !String(key) || !(Blanks(), Take(':')) || !Value(member))
          return false;
      } while (Blanks(), Take(','));
      return Take('}');
    }
    value.type = Json::Type::kNumber;
    return Number(value.number);
  }

  bool Number(double& number) {
    const std::size_t start = at_;
    Take('-');
    if (!Take('0') && !Digits()) return false;
    if (Take('.') && !Digits()) return false;
    if ((Take('e') || Take('E')) && (Take('+') || Take('-') || true) && !Digits()) return false;
    number = std::stod(std::string(text_.substr(start, at_ - start)));
    return true;
  }
  bool Digits() {
    const std::size_t start = at_;
    while (Peek() >= '0' && Peek() <= '9')
      ++at_;
    return at_ > start;
  }

  // The rest of a string after its opening quote.
  bool String(std::string& out) {
    constexpr std::string_view kEscaped = "\"\\/bfnrt";
    constexpr std::string_view kMeant = "\"\\/\b\f\n\r\t";
    while (at_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;
      if (c >= 0x80) {
        if (!Utf8(c, out)) return false;
      } else if (c != '\\') {
        out.push_back(static_cast<char>(c));
      } else if (Take('u')) {
        const std::string hex(text_.substr(at_, 4));
        if (hex.size() != 4 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
          return false;
        const unsigned long code = std::stoul(hex, nullptr, 16);
        if (code >= 0x80) return false;
        out.push_back(static_cast<char>(code));
        at_ += 4;
      } else {
        const std::size_t escape = kEscaped.find(Peek());
        if (escape == std::string_view::npos) return false;
        out.push_back(kMeant[escape]);
        ++at_;
      }
    }
    return false;
  }

  // The rest of a well-formed UTF-8 sequence of two to four bytes after its
  // lead byte, copied as it is.
  bool Utf8(unsigned char lead, std::string& out) {
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::uint32_t minimum = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
    if (lead < 0xC0 || lead > 0xF4 || at_ + length - 1 > text_.size()) return false;
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 0; i + 1 < length; ++i) {
      const auto next = static_cast<unsigned char>(text_[at_ + i]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    out.append(text_.substr(at_ - 1, length));
    at_ += length - 1;
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Each line of the text read as JSON; a line that is not gives nothing.
inline std::vector<std::optional<Json>> ReadJsonLines(std::string_view text) {
  std::vector<std::optional<Json>> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(JsonReader::Read(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace numerant::cli::harness
