// SPDX-License-Identifier: MIT
// check-digits SCHEME NUMBER...: the check digit(s) of each number, and
// whether the number is already complete, by any scheme of Numerant.
//
// Shows the two ways into the library: a scheme class used directly, and any
// scheme picked by name through the catalogue.
#include <cstdio>
#include <memory>
#include <string>

#include "core/version.h"
#include "schemes/catalogue.h"
#include "schemes/general/luhn.h"

int main(int argc, char** argv) {
  // A scheme class is an ordinary object: call Calculate, read CheckDigit.
  numerant::Luhn luhn;
  luhn.Calculate("7992 7398 71");
  std::printf("Numerant %s; Luhn check digit of 7992 7398 71: %d\n", numerant::kVersion,
              luhn.CheckDigit());

  if (argc < 3) {
    std::fprintf(stderr, "usage: check-digits SCHEME NUMBER...\n");
    return 2;
  }
  const numerant::CatalogueEntry* entry = numerant::FindScheme(argv[1]);
  if (entry == nullptr || entry->create == nullptr) {
    std::fprintf(stderr, "check-digits: no scheme '%s'\n", argv[1]);
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    // A fresh object for each number, as the window does.
    const std::unique_ptr<numerant::Scheme> scheme = entry->create();
    const std::string digits = scheme->CalculateText(argv[i]);
    const bool complete = entry->create()->Check(argv[i]);
    std::printf("%s %s: check digit(s) %s; as a complete number %s\n",
                std::string(entry->name).c_str(), argv[i], digits.c_str(),
                complete ? "valid" : "invalid");
  }
  return 0;
}
