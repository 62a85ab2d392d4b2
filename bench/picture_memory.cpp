// The peak memory of decoding each picture file named on the command line, each in a child
// process of its own so that one picture's peak does not hide the next one's.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "qt/pictures.h"

namespace {

// Decodes `path` in this process and ends it: 0 when decoded, 1 when refused.
[[noreturn]] void Decode(int argc, char** argv, const char* path) {
  QCoreApplication application(argc, argv);
  std::string error;
  const auto began = std::chrono::steady_clock::now();
  const hc::Picture picture = hc::qt::LoadPictureFile(path, &error);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - began;
  if (picture)
    std::printf("%s: %d x %d in %.0f ms", path, picture->WidthPx(), picture->HeightPx(),
                took.count());
  else
    std::printf("%s: refused in %.0f ms (%s)", path, took.count(), error.c_str());
  std::fflush(stdout);
  _exit(picture ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::fflush(stdout);  // or the child would print the parent's pending lines again
    const pid_t child = fork();
    if (child == 0) Decode(argc, argv, argv[i]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) < 0) return 2;
    if (!WIFEXITED(status)) std::printf("%s: crashed", argv[i]);
    std::printf(", peak %ld MB\n", usage.ru_maxrss / 1024);
  }
  return 0;
}
