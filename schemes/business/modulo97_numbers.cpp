#include "schemes/business/modulo97_numbers.h"

namespace numerant {
namespace {

// OGM leaves hyphens and full stops in place; its Modulo97 object drops them
// from the stem all the same.
constexpr Modulo97Layout kOGM{" +/", 10, false};
constexpr Modulo97Layout kBTW{" -.", 7, true};
constexpr Modulo97Layout kSIS{" -.", 8, false};

constexpr std::size_t kCheckLength = 2;

}  // namespace

Modulo97Number::Modulo97Number(const Modulo97Layout& layout)
    : CodeOnBlock({.separators = layout.separators, .check_length = kCheckLength}),
      stem_length_(layout.stem_length) {
  // The reversed rule is set once, when the number object is made; the plain
  // one leaves the block to its first use.
  if (layout.reverse) block().SetReverse(true);
}

bool Modulo97Number::AcceptsStemLength(std::size_t length) const {
  return length == stem_length_;
}

OGM::OGM() : Modulo97Number(kOGM) {}
BTW::BTW() : Modulo97Number(kBTW) {}
SIS::SIS() : Modulo97Number(kSIS) {}

}  // namespace numerant
