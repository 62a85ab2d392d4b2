// Any bytes as the settings file, through the clock's whole start-up and a few ticks, and
// every line through the slot conversions with both decimal separators.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "Form1.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"
#include "fuzz_folder.h"
#include "settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hc::fuzz::FuzzFolder folder("hc_fuzz_settings_");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(folder.Path() / "Halvek_Clock.ini", std::ios::binary | std::ios::trunc) << bytes;

  for (const char sep : {'.', ','}) {
    hc::fake::FakeSystem system;
    system.program_folder = folder.Path().string();
    system.decimal_separator = sep;
    hc::fake::EventPump pump(system);
    hc::Form1 clock(system, [&pump](hc::Window& w) { pump.Attach(w); });
    clock.Form_Load();
    // Long enough for a tick and a slide change at the shortest period the file can ask.
    pump.Advance(2500);
    for (const std::string& slot : clock.module.IniValue) {
      (void)hc::SlotNumber(slot, sep);
      (void)hc::SlotColor(slot, sep);
    }
  }
  return 0;
}
