// The shape of the schemes whose check digit comes whole from a building
// block: the stem goes to a private `Luhn`, `Modulo10` or `Modulo97` object,
// called as any outside caller would call it, and the block's check digit
// becomes the scheme's own. Blanks and hyphens are stripped unless the scheme
// names other separators.
//
// A scheme derives as `class OPC : public CodeOnBlock<Luhn>` and gives
// `AcceptsStemLength`; a scheme with fields also gives `ResetFields` and
// `Prepare`. `Prepare` fills the fields from the stem's character positions
// before any digit is tested, so a rejected stem still shows them; it may
// replace the stem by the digits the block is to weigh (a UPC-E stem by its
// UPC-A expansion, a stem by the same behind a fixed prefix), and false ends
// the step without a check digit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/check_digit_number.h"

namespace numerant {

// The kind of check digit a building block computes.
template <typename Block>
using BlockValue =
    std::remove_cvref_t<decltype(std::declval<Block&>().Calculate(std::string_view()))>;

template <typename Block>
class CodeOnBlock : public CheckDigitNumber<BlockValue<Block>> {
  using Base = CheckDigitNumber<BlockValue<Block>>;

 protected:
  explicit CodeOnBlock(const NumberShape& shape = {.separators = " -"}) : Base(shape) {}

  virtual bool Prepare(std::string& /*stem*/) { return true; }

  // The private building block, created on its first use and kept for the
  // life of the scheme object.
  Block& block() {
    if (!block_) block_.emplace();
    return *block_;
  }

 private:
  std::optional<BlockValue<Block>> ComputeCheckDigit(std::string_view stem) final {
    std::string digits(stem);
    if (!Prepare(digits)) return std::nullopt;
    // A block that computes nothing answers with its unset value.
    auto computed = block().Calculate(digits);
    if (computed == Base::Unset()) return std::nullopt;
    return computed;
  }

  std::optional<Block> block_;
};

}  // namespace numerant
