// The shape of the schemes whose check digit comes whole from a building
// block: blanks and hyphens are stripped, the stem must have one of the
// scheme's lengths, the fields are cut out of the stem, and the stem goes to a
// private `Luhn` or `Modulo10` object, called as any outside caller would call
// it, whose check digit becomes the scheme's own. The full number is the stem
// followed by that one check digit.
//
// A scheme derives as `class OPC : public CodeOnBlock<OPC, Luhn>`, declares
// its base a friend and gives it
//   static bool IsStemLength(std::size_t length);
//   void ResetFields();            // back to the start values
//   bool Prepare(std::string& stem);
// `Prepare` fills the fields from the stem's character positions before any
// digit is tested, so a rejected stem still shows them; it may replace the
// stem by the digits the building block is to weigh (a UPC-E stem by its
// UPC-A expansion), and false ends the step without a check digit. A scheme
// without fields leaves out `ResetFields` and `Prepare`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/text.h"

namespace numerant {

template <typename Derived, typename Block>
class CodeOnBlock {
 public:
  std::int16_t Calculate(std::string_view number) {
    const std::string stem = Normalise(number);
    if (Derived::IsStemLength(stem.size())) Compute(stem);
    return check_digit_;
  }

  bool Check(std::string_view number) {
    std::string stem = Normalise(number);
    if (stem.empty() || !Derived::IsStemLength(stem.size() - 1)) return false;
    const char check_character = stem.back();
    stem.pop_back();
    if (!Compute(std::move(stem))) return false;
    return DigitMatches(check_character, check_digit_);
  }

 protected:
  CodeOnBlock() = default;

  // Resets the check digit and the fields and strips blanks and hyphens.
  std::string Normalise(std::string_view number) {
    check_digit_ = -1;
    self().ResetFields();
    return RemoveSeparators(number, " -");
  }

  void ResetFields() {}
  bool Prepare(std::string_view) { return true; }

  std::int16_t check_digit_ = -1;

 private:
  Derived& self() { return static_cast<Derived&>(*this); }

  bool Compute(std::string stem) {
    if (!self().Prepare(stem)) return false;
    if (!block_) block_.emplace();
    if (block_->Calculate(stem) == -1) return false;
    check_digit_ = block_->CheckDigit();
    return true;
  }

  std::optional<Block> block_;
};

}  // namespace numerant
