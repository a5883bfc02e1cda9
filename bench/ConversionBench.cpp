// Speed of the conversion steps on a typical version-2005 file, in memory.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "params/Convert.h"
#include "params/IgnReader.h"
#include "params/IgnWriter.h"
#include "params/New.h"

namespace {

const std::string& Example() {
  static const std::string text = [] {
    std::ifstream in(IGN_EXAMPLES_DIR "/two-stroke-125.ign", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }();
  return text;
}

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

}  // namespace

BENCHMARK_MAIN();
