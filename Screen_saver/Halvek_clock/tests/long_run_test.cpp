// Ten hours of ticks across midnight, with the clock set back an hour on the way and the
// tick count reaching its limit: the face keeps the time, and nothing piles up.

#include "long_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "fake/test_folder.h"

namespace hc::testing {
namespace {

std::size_t OpenFiles() {
#ifdef __linux__
  const auto fds = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<std::size_t>(std::distance(fds, std::filesystem::directory_iterator()));
#else
  return 0;  // not counted where the system has no such listing
#endif
}

TEST(LongRun, TheFaceKeepsTheTimeAcrossMidnightAClockSetBackAndTheTickLimit) {
  const auto folder = fake::FreshTestFolder("hc_long_run_");
  {
    LongRun run(folder);
    Form1& c = *run.clock;
    const std::size_t elements = c.window.Elements().size();
    const std::size_t files = OpenFiles();

    EXPECT_EQ(run.Run(2 * 3600), "") << "across midnight";
    const std::string slide = c.Pict(0).GetPicture()->Source();
    EXPECT_EQ(run.Run(2), "");
    EXPECT_NE(c.Pict(0).GetPicture()->Source(), slide) << "the show goes on";

    run.SetClockBy(-3600);
    EXPECT_EQ(run.Run(8 * 3600), "") << "after the clock was set back";
    EXPECT_EQ(c.TickCount, 32767);
    EXPECT_FALSE(c.lblF1.Visible());

    EXPECT_EQ(c.window.Elements().size(), elements);
    EXPECT_EQ(OpenFiles(), files);
    EXPECT_FALSE(run.system.ended);
    EXPECT_TRUE(run.system.messages.empty());
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace hc::testing
