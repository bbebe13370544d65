#include "schemes/business/modulo97_numbers.h"

#include "shell/text.h"

namespace numerant {
namespace {

// OGM leaves hyphens and full stops in place; its Modulo97 object drops them
// from the stem all the same.
constexpr Modulo97Layout kOGM{" +/", 10, false};
constexpr Modulo97Layout kBTW{" -.", 7, true};
constexpr Modulo97Layout kSIS{" -.", 8, false};

constexpr std::size_t kCheckLength = 2;

}  // namespace

Modulo97Number::Modulo97Number(const Modulo97Layout& layout) : layout_(layout) {
  // The reversed rule is set once, when the number object is made; the plain
  // one waits for the first computation.
  if (layout_.reverse) modulo97_.emplace().SetReverse(true);
}

FieldValue Modulo97Number::Calculate(std::string_view number) {
  const std::string stem = Normalise(number);
  if (stem.size() == layout_.stem_length) Compute(stem);
  return check_digit_;
}

bool Modulo97Number::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.size() != layout_.stem_length + kCheckLength) return false;
  const std::string_view whole = text;
  if (!Compute(whole.substr(0, layout_.stem_length))) return false;
  return check_digit_ == whole.substr(layout_.stem_length);
}

std::string Modulo97Number::Normalise(std::string_view number) {
  check_digit_ = std::int16_t{-1};
  return RemoveSeparators(number, layout_.separators);
}

bool Modulo97Number::Compute(std::string_view stem) {
  if (!modulo97_) modulo97_.emplace();
  modulo97_->Calculate(stem);
  check_digit_ = modulo97_->CheckDigit();
  return check_digit_.IsString();
}

OGM::OGM() : Modulo97Number(kOGM) {}
BTW::BTW() : Modulo97Number(kBTW) {}
SIS::SIS() : Modulo97Number(kSIS) {}

}  // namespace numerant
