#pragma once
// A clock on the test doubles: a temporary program folder, a virtual clock and an event
// pump that delivers ticks, keys and mouse moves.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "Form1.h"
#include "Form2.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"
#include "fake/test_folder.h"
#include "files.h"
#include "frmFILE.h"
#include "paths.h"
#include "settings_text.h"

namespace hc::testing {

// The settings file the clock writes when there is none.
inline const std::string kDefaultFile = SettingsText();

class ClockTest : public ::testing::Test {
 protected:
  ClockTest() {
    folder = fake::FreshTestFolder("hc_clock_");
    system.program_folder = folder.string();
    sep = system.PathSeparator();
  }
  ~ClockTest() override {
    clock.reset();
    std::filesystem::remove_all(folder);
  }

  // Makes the clock and runs its start-up.
  Form1& Start() {
    clock.reset();
    pump.Reset();
    clock = std::make_unique<Form1>(system, [this](Window& w) { pump.Attach(w); });
    clock->Form_Load();
    return *clock;
  }

  // Names are UTF-8, as the program gives them, on every system.
  void PutFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = files::PathFromUtf8(Path(name));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string ReadFile(const std::string& name) const {
    return ReadFileAt(files::PathFromUtf8(Path(name)));
  }
  static std::string ReadFileAt(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }
  void PutSettings(const std::string& bytes) { PutFile("Halvek_Clock.ini", bytes); }
  std::string Settings() const { return ReadFile("Halvek_Clock.ini"); }
  // A path in the program's folder as the program writes it: "/" in `name` stands for the
  // system's separator.
  std::string Path(std::string name) const {
    for (std::size_t at = name.find('/'); at != std::string::npos; at = name.find('/', at))
      name.replace(at, 1, sep), at += sep.size();
    return JoinPath(folder.string(), name, sep);
  }

  // A GIF header of the given size; enough for the picture loader of the test system.
  static std::string Gif(int width, int height) {
    std::string b = "GIF89a";
    b += static_cast<char>(width & 0xFF);
    b += static_cast<char>(width >> 8);
    b += static_cast<char>(height & 0xFF);
    b += static_cast<char>(height >> 8);
    return b + std::string(8, '\0');
  }

  Form2& Options() { return clock->Options(); }
  frmFILE& Files() { return clock->Files(); }

  std::filesystem::path folder;
  fake::FakeSystem system;
  std::string sep;
  fake::EventPump pump{system};
  std::unique_ptr<Form1> clock;
};

}  // namespace hc::testing
