#include "bench/samples.h"

#include <gtest/gtest.h>
#include <string>

#include "shell/catalogue.h"

namespace numerant::bench {
namespace {

// The benchmarks time every class on its sample; a sample that is not valid
// would time a rejection instead.
TEST(BenchSamplesTest, EveryClassOfTheCatalogueHasOneValidSample) {
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      int samples = 0;
      for (const Sample& sample : kSamples)
        samples += sample.scheme == entry.name ? 1 : 0;
      EXPECT_EQ(samples, 1) << entry.name;
    }
  }
  for (const Sample& sample : kSamples) {
    EXPECT_EQ(SampleFault(sample), "") << sample.scheme << " " << sample.number;
  }
}

}  // namespace
}  // namespace numerant::bench
