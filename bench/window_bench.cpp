// SPDX-License-Identifier: MIT
// The window's whole refresh step (read the code text, create the scheme
// object of the selected row, Calculate or Check, write the answer into the
// controls) for every list row that has a class, in check and in calculate
// mode, against a view that only stores what it is told:
//   Refresh/check/NAME, Refresh/calculate/NAME
// Each runs in repetitions and reports the median, the figure the window's
// keystroke latency is judged by.
#include <benchmark/benchmark.h>
#include <string>

#include "schemes/catalogue.h"
#include "tests/schemes/samples.h"
#include "window/form_numerant.h"

namespace numerant::bench {

using testing::kSamples;
using testing::Sample;

namespace {

class StoringView final : public FormNumerantView {
 public:
  int SelectedAlgorithm() const override { return selected; }
  void SelectAlgorithm(int position) override { selected = position; }
  std::string CodeText() const override { return code; }
  void SetCodeText(std::string_view text) override { code = text; }
  void SetCheckdigitsText(std::string_view text) override { checkdigits = text; }
  int CalculateState() const override { return calculate_state; }
  void SetTop(Control /*control*/, int /*top*/) override {}
  void SetVisible(Control control, bool shown) override {
    if (control == Control::kPictureOK) ok_shown = shown;
  }
  void SetDescription(Control /*control*/, std::string_view /*text*/) override {}

  int selected = 0;
  int calculate_state = 0;
  std::string code;
  std::string checkdigits;
  bool ok_shown = false;
};

void Refresh(benchmark::State& state, int position, int calculate_state, std::string_view text) {
  StoringView view;
  FormNumerant form(view);
  view.selected = position;
  view.calculate_state = calculate_state;
  view.code = text;
  for (auto _ : state) {
    form.Refresh();
    benchmark::DoNotOptimize(view.ok_shown);
    benchmark::DoNotOptimize(view.checkdigits.data());
  }
  if (calculate_state == 0 ? !view.ok_shown : view.checkdigits.empty()) {
    state.SkipWithError("the window did not accept the sample");
  }
}

}  // namespace

void RegisterWindowBenchmarks() {
  const auto list = SchemeList();
  for (int position = 0; position < static_cast<int>(list.size()); ++position) {
    const CatalogueEntry& entry = list[static_cast<std::size_t>(position)];
    if (entry.create == nullptr) continue;
    for (const Sample& sample : kSamples) {
      if (std::string_view(sample.scheme) != entry.name) continue;
      const std::string name(entry.name);
      benchmark::RegisterBenchmark(("Refresh/check/" + name).c_str(), Refresh, position, 0,
                                   sample.number)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
      benchmark::RegisterBenchmark(("Refresh/calculate/" + name).c_str(), Refresh, position, 1,
                                   sample.stem)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
    }
  }
}

}  // namespace numerant::bench
