// Any text as the slide period of the file manager: it is refused with the period message,
// or it starts a show whose timer runs within its range.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "Form1.h"
#include "Form2.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"
#include "frmFILE.h"
#include "fuzz_folder.h"

namespace {

struct Scene {
  Scene() : folder("hc_fuzz_period_") {
    std::filesystem::create_directories(folder.Path() / "pics");
    std::ofstream(folder.Path() / "pics" / "a.gif", std::ios::binary)
        << std::string("GIF89a\x31\0\x31\0", 10) << std::string(8, '\0');
    system.program_folder = folder.Path().string();
    clock = std::make_unique<hc::Form1>(system, [this](hc::Window& w) { pump.Attach(w); });
    clock->Form_Load();
  }
  hc::fuzz::FuzzFolder folder;
  hc::fake::FakeSystem system;
  hc::fake::EventPump pump{system};
  std::unique_ptr<hc::Form1> clock;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scene scene;
  hc::Form1& clock = *scene.clock;
  hc::frmFILE& files = clock.Files();
  scene.system.messages.clear();
  clock.TimerSHOW.SetEnabled(false);
  clock.Options().optPIC(2).SetValue(true);
  files.Dir1.SetPath((scene.folder.Path() / "pics").string());
  files.txtST.SetText(std::string(reinterpret_cast<const char*>(data), size));
  files.cmdОК_Click();
  const bool refused = !scene.system.messages.empty();
  const std::int64_t interval = clock.TimerSHOW.Interval();
  // Accepted: the show runs on a timer of at least one millisecond.
  if (!refused &&
      !(clock.TimerSHOW.Running() && interval >= 1 && interval <= hc::kMaxTimerInterval))
    std::abort();
  if (refused && scene.system.messages.size() != 1) std::abort();
  files.window.Hide();
  return 0;
}
