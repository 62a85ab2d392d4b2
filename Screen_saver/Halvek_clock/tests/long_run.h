#pragma once
// A clock left running on the virtual clock for a long time, with a two-second slide show
// over three GIFs: each second the face is checked against the time, and the run can turn
// the wall clock back as a user or a time service would. Shared by the long-run test and
// the week-long benchmark.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "Form1.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"

namespace hc::testing {

class LongRun {
 public:
  explicit LongRun(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "slides");
    for (const char* name : {"a.gif", "b.gif", "c.gif"})
      std::ofstream(folder / "slides" / name, std::ios::binary)
          << std::string("GIF89a\x31\0\x31\0", 10) << std::string(8, '\0');
    const std::string slides = (folder / "slides").string() + system.PathSeparator();
    std::ofstream(folder / "Halvek_Clock.ini", std::ios::binary)
        << "ViewTime=0\r\n0\r\nPicCenter=" << slides << "\r\nSlideShowTime=2\r\n";
    system.program_folder = folder.string();
    system.start_time = {2026, 12, 9, 23, 0, 0};
    clock = std::make_unique<Form1>(system, [this](Window& w) { pump.Attach(w); });
    clock->Form_Load();
  }

  // Runs `seconds` one at a time; the first wrong face, or empty when every one was right.
  std::string Run(std::int64_t seconds) {
    for (std::int64_t i = 0; i < seconds; ++i) {
      pump.Advance(1000);
      // As a backend paints what changed, so the pump's record of it does not pile up.
      pump.TakeChanged(clock->window);
      if (std::string wrong = WrongFace(); !wrong.empty()) return wrong;
    }
    return {};
  }

  // The wall clock jumps by `seconds`, backwards when negative.
  void SetClockBy(std::int64_t seconds) {
    system.start_time = fake::AddSeconds(system.start_time, seconds);
  }

  fake::FakeSystem system;
  fake::EventPump pump{system};
  std::unique_ptr<Form1> clock;

  std::string WrongFace() {
    const DateTime now = system.Now();
    const std::string expected = std::to_string(now.hour) + ":" + std::to_string(now.minute) + ":" +
                                 std::to_string(now.second);
    const std::string shown =
        clock->lblS(2).Text() + ":" + clock->lblS(1).Text() + ":" + clock->lblS(0).Text();
    if (shown != expected) return "shown " + shown + " at " + expected;
    const Picture& slide = clock->Pict(0).GetPicture();
    if (!slide || slide->Source().find("slides") == std::string::npos)
      return "no slide at " + expected;
    return {};
  }
};

}  // namespace hc::testing
