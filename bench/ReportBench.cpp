// Memory and speed of the conversion report: the peak of the bytes it holds
// must follow what it prints, not the size of the input or the number of
// files.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <new>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "bench/Example.h"
#include "params/Convert.h"
#include "report/JsonReport.h"
#include "report/Reporter.h"
#include "report/TextReport.h"

namespace {

// Every allocation of the process is counted: a size word before each block.
std::size_t g_held = 0;
std::size_t g_peak = 0;

}  // namespace

void* operator new(std::size_t size) {
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (block == nullptr) throw std::bad_alloc();
  *block = size;
  g_held += size;
  if (g_held > g_peak) g_peak = g_held;
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* pointer) noexcept {
  if (pointer == nullptr) return;
  // Through an integer: the block came from malloc, whatever the compiler
  // believes of a pointer that operator new returned.
  const auto address = reinterpret_cast<std::uintptr_t>(pointer) - sizeof(std::max_align_t);
  g_held -= *reinterpret_cast<const std::size_t*>(address);
  std::free(reinterpret_cast<void*>(address));
}
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

namespace {

// Throws everything away, as a terminal far away would.
class TNullBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

using ign::bench::Example;

// The peak above what was held when the measured work began.
void CountPeak(benchmark::State& state, std::size_t before, std::size_t input) {
  state.counters["peak_bytes"] = static_cast<double>(g_peak - before);
  state.counters["input_bytes"] = static_cast<double>(input);
}

// 600 KB of one key, given again and again: 100,000 overridden occurrences.
void BM_StrictOnRepeatedKeys(benchmark::State& state) {
  const std::string text = "ZANTROVA_KEY 37\n" + [] {
    std::string keys;
    for (int i = 0; i < 100000; ++i) keys += "IGN_1 ";
    return keys;
  }();
  for (auto _ : state) {
    const std::size_t before = g_held;
    g_peak = g_held;
    ign::TReporter reporter;
    ign::TParameterSet written;
    std::string out;
    ign::ConvertFresh(text, out, &reporter, &written);
    ign::TReasonCounts counts;
    reporter.Report(written, counts);
    benchmark::DoNotOptimize(counts.AnyUnexpected());
    CountPeak(state, before, text.size());
  }
}
BENCHMARK(BM_StrictOnRepeatedKeys)->Unit(benchmark::kMillisecond);

// A JSON report of 1,000 files with faults, as ign-convert writes it.
void BM_JsonOfManyFiles(benchmark::State& state) {
  const std::string text = Example() + "\nLIMITER 15000 12790 x\nFOO 1 2 3\n";
  TNullBuffer null;
  std::ostream out(&null);
  for (auto _ : state) {
    const std::size_t before = g_held;
    g_peak = g_held;
    {
      ign::TJsonReport json(out);
      for (int file = 0; file < 1000; ++file) {
        ign::TReporter reporter;
        ign::TParameterSet written;
        std::string converted;
        ign::ConvertFresh(text, converted, &reporter, &written);
        std::ostringstream changes;
        ign::TJsonChanges json_changes(changes);
        ign::TReasonCounts counts;
        ign::TTeeSink both(json_changes, counts);
        reporter.Report(written, both);
        json.File({"engine.ign", true, {}, &counts, changes.str()});
      }
    }
    CountPeak(state, before, 1000 * text.size());
  }
}
BENCHMARK(BM_JsonOfManyFiles)->Unit(benchmark::kMillisecond);

// The text report of one clean file: the price of --report.
void BM_TextReport(benchmark::State& state) {
  TNullBuffer null;
  std::ostream out(&null);
  for (auto _ : state) {
    ign::TReporter reporter;
    ign::TParameterSet written;
    std::string converted;
    ign::ConvertFresh(Example(), converted, &reporter, &written);
    ign::TTextRows rows(out, "engine.ign:");
    reporter.Report(written, rows);
  }
}
BENCHMARK(BM_TextReport);

}  // namespace

BENCHMARK_MAIN();
