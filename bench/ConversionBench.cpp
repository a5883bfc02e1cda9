// Speed of the conversion steps on a typical version-2005 file, in memory,
// against the plain reference copy of the format. After
// the benchmarks a summary gives each stage and the ratio to the baseline
// (the medians when run with repetitions).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "bench/Example.h"
#include "params/Convert.h"
#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"
#include "params/reference/Reference.h"
#include "params/scan/SimdPath.h"

namespace {

using ign::bench::Example;

void BM_Read(benchmark::State& state) {
  const std::string& text = Example();
  for (auto _ : state) {
    ign::TParameterSet set;
    benchmark::DoNotOptimize(ign::ReadIgn2005(text, set));
    benchmark::DoNotOptimize(set);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Read);

// The reader on each instruction path this machine can run; the argument
// is the path's number in TSimdPath.
void BM_ReadPath(benchmark::State& state) {
  const auto path = static_cast<ign::TSimdPath>(state.range(0));
  if (!ign::UseSimdPath(path)) {
    state.SkipWithError("this machine cannot run the path");
    return;
  }
  state.SetLabel(ign::SimdPathName(path));
  BM_Read(state);
  ign::UseSimdPath(ign::RunnablePaths().back());
}
BENCHMARK(BM_ReadPath)->DenseRange(0, 3);

void BM_ReadStream(benchmark::State& state) {
  const std::string& text = Example();
  for (auto _ : state) {
    std::istringstream in(text);
    ign::TParameterSet set;
    benchmark::DoNotOptimize(ign::ReadIgn2005(in, set));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadStream);

void BM_Adjust(benchmark::State& state) {
  ign::TParameterSet set;
  for (auto _ : state) {
    ign::AdjustFor2006(set);
    benchmark::DoNotOptimize(set);
  }
}
BENCHMARK(BM_Adjust);

void BM_Write(benchmark::State& state) {
  ign::TParameterSet set;
  ign::ReadIgn2005(Example(), set);
  std::string out;
  for (auto _ : state) {
    out.clear();
    ign::WriteIgn2006(set, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ign::kIgn2006Size));
}
BENCHMARK(BM_Write);

// One whole conversion as the command-line converter does it: fresh set,
// read, adjust, write into a buffer.
void BM_Conversion(benchmark::State& state) {
  const std::string& text = Example();
  std::string out;
  out.reserve(ign::kIgn2006Size);
  for (auto _ : state) {
    out.clear();
    benchmark::DoNotOptimize(ign::ConvertFresh(text, out));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["conversions/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Conversion);

// The same with an observer that does nothing: the price of the hooks the
// conversion report uses, which a conversion without report never pays.
void BM_ConversionObserved(benchmark::State& state) {
  const std::string& text = Example();
  ign::TReadObserver silent;
  std::string out;
  out.reserve(ign::kIgn2006Size);
  for (auto _ : state) {
    out.clear();
    benchmark::DoNotOptimize(ign::ConvertFresh(text, out, &silent));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ConversionObserved);

// The baseline: the same conversion by the plain reference, byte by byte
// and printf cell by cell.
void BM_PlainConversion(benchmark::State& state) {
  const std::string& text = Example();
  std::string out;
  out.reserve(ign::kIgn2006Size);
  for (auto _ : state) {
    out.clear();
    benchmark::DoNotOptimize(ign::reference::Convert(text, out));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_PlainConversion);

// Keeps the CPU time of every run (the median's when there are
// repetitions) for the summary.
class TSummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const std::string name = run.run_name.str();
      if (median || (run.run_type == Run::RT_Iteration && !medians_.count(name))) {
        times_[name] = run.GetAdjustedCPUTime();
        if (median) medians_[name] = true;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const {
    std::printf("\nStage (CPU time%s, ns)\n", medians_.empty() ? "" : ", median");
    const char* const stages[][2] = {{"read", "BM_Read"},
                                     {"adjust", "BM_Adjust"},
                                     {"write", "BM_Write"},
                                     {"whole", "BM_Conversion"},
                                     {"baseline (plain reference)", "BM_PlainConversion"}};
    for (const auto& stage : stages) {
      const auto found = times_.find(stage[1]);
      if (found != times_.end()) std::printf("  %-27s %10.0f\n", stage[0], found->second);
    }
    const auto whole = times_.find("BM_Conversion");
    const auto plain = times_.find("BM_PlainConversion");
    if (whole != times_.end() && plain != times_.end() && whole->second > 0) {
      std::printf("  %-27s %10.1fx\n", "baseline / whole", plain->second / whole->second);
    }
    std::printf("  reader's instruction path: %s\n", ign::SimdPathName(ign::CurrentSimdPath()));
  }

 private:
  std::map<std::string, double> times_;
  std::map<std::string, bool> medians_;
};

// The baseline must produce the very bytes the project does, or the ratio
// would compare different work.
void CheckBaseline() {
  std::string project, plain;
  if (!ign::ConvertFresh(Example(), project) || !ign::reference::Convert(Example(), plain) ||
      project != plain) {
    std::fprintf(stderr, "the plain reference does not agree with the converter\n");
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CheckBaseline();
  TSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  return 0;
}
