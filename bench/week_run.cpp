// A week of ticks on the virtual clock with a two-second slide show, the wall clock set
// back an hour on the third day: prints the memory and open files at the start and after
// each day, and fails on the first wrong face.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "long_run.h"

namespace {

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

long OpenFiles() {
  const std::filesystem::directory_iterator fds("/proc/self/fd");
  return static_cast<long>(std::distance(fds, std::filesystem::directory_iterator()));
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("hc_week_run_" + std::to_string(static_cast<long>(::getpid())));
  int status = 0;
  {
    hc::testing::LongRun run(folder);
    std::printf("start: %ld kB resident, %ld open files\n", ResidentKb(), OpenFiles());
    const auto began = std::chrono::steady_clock::now();
    for (int day = 1; day <= 7 && status == 0; ++day) {
      if (day == 3) run.SetClockBy(-3600);
      if (const std::string wrong = run.Run(86400); !wrong.empty()) {
        std::printf("day %d: %s\n", day, wrong.c_str());
        status = 1;
      }
      std::printf("day %d: %ld kB resident, %ld open files, %d ticks counted\n", day, ResidentKb(),
                  OpenFiles(), run.clock->TickCount);
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
    std::printf("a week of ticks in %.1f s\n", took.count());
  }
  std::filesystem::remove_all(folder);
  return status;
}
