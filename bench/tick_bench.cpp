// The cost of one clock tick of logic: captions, angles, the hint and the placement pass.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "Form1.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"

namespace {

void BM_Tick(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "hc_bench_tick";
  std::filesystem::create_directories(folder);
  hc::fake::FakeSystem system;
  system.program_folder = folder.string();
  system.screen = {1920 * 15, 1080 * 15};
  hc::fake::EventPump pump(system);
  hc::Form1 clock(system, [&pump](hc::Window& w) { pump.Attach(w); });
  clock.Form_Load();
  for (auto _ : state) {
    system.elapsed_ms += 1000;
    clock.Timer4_Timer();
    benchmark::DoNotOptimize(clock.HandAngle);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Tick);

}  // namespace

BENCHMARK_MAIN();
