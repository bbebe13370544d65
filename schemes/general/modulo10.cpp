#include "schemes/general/modulo10.h"

namespace numerant {
namespace {

// The rightmost payload digit, and every second one to its left, weighs 3.
int Tripled(int digit) {
  return 3 * digit;
}

}  // namespace

Modulo10::Modulo10() : AlternatingWeightNumber(Tripled) {}

}  // namespace numerant
