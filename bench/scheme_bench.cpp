// SPDX-License-Identifier: MIT
// Calculate and Check of every scheme class of the catalogue on its valid
// sample (tests/schemes/samples.h), through the Scheme interface:
//   Check/NAME/reused       one object answers every call
//   IsValid/NAME/reused     the fieldless route, one object
//   Check/NAME/fresh        a fresh object per call, as the window makes it
//   Calculate/NAME/...      the same for Calculate
// and direct calls on the concrete classes Luhn, EAN and Verhoeff:
//   Direct/NAME/Check, Direct/NAME/IsValid, Direct/NAME/Calculate
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "schemes/catalogue.h"
#include "schemes/general/luhn.h"
#include "schemes/general/verhoeff.h"
#include "tests/schemes/samples.h"
#if __has_include("schemes/products/ean_upc.h")
#include "schemes/products/ean_upc.h"
#define NUMERANT_BENCH_EAN 1
#endif

namespace numerant::bench {

using testing::kSamples;
using testing::Sample;

namespace {

void CheckReused(benchmark::State& state, SchemeFactory create, std::string_view number) {
  const std::unique_ptr<Scheme> scheme = create();
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme->Check(number));
}

void IsValidReused(benchmark::State& state, SchemeFactory create, std::string_view number) {
  const std::unique_ptr<Scheme> scheme = create();
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme->IsValid(number));
}

void CheckFresh(benchmark::State& state, SchemeFactory create, std::string_view number) {
  for (auto _ : state) {
    const std::unique_ptr<Scheme> scheme = create();
    benchmark::DoNotOptimize(scheme->Check(number));
  }
}

void CalculateReused(benchmark::State& state, SchemeFactory create, std::string_view payload) {
  const std::unique_ptr<Scheme> scheme = create();
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme->CalculateText(payload));
}

void CalculateFresh(benchmark::State& state, SchemeFactory create, std::string_view payload) {
  for (auto _ : state) {
    const std::unique_ptr<Scheme> scheme = create();
    benchmark::DoNotOptimize(scheme->CalculateText(payload));
  }
}

template <typename Class>
void DirectCheck(benchmark::State& state, std::string_view number) {
  Class scheme;
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme.Check(number));
}

template <typename Class>
void DirectIsValid(benchmark::State& state, std::string_view number) {
  Class scheme;
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme.IsValid(number));
}

template <typename Class>
void DirectCalculate(benchmark::State& state, std::string_view payload) {
  Class scheme;
  for (auto _ : state)
    benchmark::DoNotOptimize(scheme.Calculate(payload));
}

const Sample& SampleOf(std::string_view scheme) {
  for (const Sample& sample : kSamples) {
    if (std::string_view(sample.scheme) == scheme) return sample;
  }
  std::fprintf(stderr, "no sample for %.*s\n", static_cast<int>(scheme.size()), scheme.data());
  std::abort();
}

template <typename Class>
void RegisterDirect(std::string_view name) {
  const Sample& sample = SampleOf(name);
  benchmark::RegisterBenchmark(("Direct/" + std::string(name) + "/Check").c_str(),
                               DirectCheck<Class>, sample.number);
  benchmark::RegisterBenchmark(("Direct/" + std::string(name) + "/IsValid").c_str(),
                               DirectIsValid<Class>, sample.number);
  benchmark::RegisterBenchmark(("Direct/" + std::string(name) + "/Calculate").c_str(),
                               DirectCalculate<Class>, sample.stem);
}

void RegisterSchemeBenchmarks() {
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      if (entry.create == nullptr) continue;
      const Sample& sample = SampleOf(entry.name);
      const std::string name(entry.name);
      benchmark::RegisterBenchmark(("Check/" + name + "/reused").c_str(), CheckReused, entry.create,
                                   sample.number);
      benchmark::RegisterBenchmark(("IsValid/" + name + "/reused").c_str(), IsValidReused,
                                   entry.create, sample.number);
      benchmark::RegisterBenchmark(("Check/" + name + "/fresh").c_str(), CheckFresh, entry.create,
                                   sample.number);
      benchmark::RegisterBenchmark(("Calculate/" + name + "/reused").c_str(), CalculateReused,
                                   entry.create, sample.stem);
      benchmark::RegisterBenchmark(("Calculate/" + name + "/fresh").c_str(), CalculateFresh,
                                   entry.create, sample.stem);
    }
  }
  RegisterDirect<Luhn>("Luhn");
  RegisterDirect<Verhoeff>("Verhoeff");
#ifdef NUMERANT_BENCH_EAN
  RegisterDirect<EAN>("EAN");
#endif
}

}  // namespace

void RegisterWindowBenchmarks();

}  // namespace numerant::bench

int main(int argc, char** argv) {
  numerant::bench::RegisterSchemeBenchmarks();
  numerant::bench::RegisterWindowBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
