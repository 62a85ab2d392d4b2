#pragma once
// An installer on the test doubles: its own folder and the system folder as temporary
// folders with real files, and copies that can be made to fail on demand.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "Form1.h"
#include "fake/event_pump.h"
#include "fake/fake_system.h"
#include "fake/test_folder.h"

namespace hc::setup::testing {

namespace fs = std::filesystem;

// What a folder holds: file name and content; folders show as "<folder>".
using Contents = std::map<std::string, std::string>;

class RiggedSystem : public fake::FakeSystem {
 public:
  // A copy for which this answers true fails as a full disk would.
  std::function<bool(const std::string& from, const std::string& to)> fail_copy;

  FileError FileCopy(const std::string& from, const std::string& to) override {
    if (fail_copy && fail_copy(from, to)) return {to + ": No space left on device"};
    return FakeSystem::FileCopy(from, to);
  }
};

class SetupTest : public ::testing::Test {
 protected:
  SetupTest() {
    base = fake::FreshTestFolder("hc_setup_");
    source = base / "setup";
    target = base / "system";
    fs::create_directories(source);
    fs::create_directories(target);
    system.program_folder = source.string();
    system.system_folder = target.string();
  }
  ~SetupTest() override {
    form.reset();
    fs::remove_all(base);
  }

  Form1& Start() {
    form = std::make_unique<Form1>(system);
    pump.Attach(form->window);
    form->Form_Load();
    return *form;
  }
  void PressOK() { pump.Click(form->cmdOK(0)); }

  static void Put(const fs::path& folder, const Contents& files) {
    for (const auto& [name, bytes] : files) std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  static Contents Read(const fs::path& folder) {
    Contents files;
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (entry.is_directory()) {
        files[name] = "<folder>";
        continue;
      }
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      files[name] = bytes.str();
    }
    return files;
  }

  // The one message the installer showed.
  std::string Report() const {
    EXPECT_EQ(system.messages.size(), 1u);
    return system.messages.empty() ? std::string() : system.messages.back().text;
  }

  fs::path base, source, target;
  RiggedSystem system;
  fake::EventPump pump{system};
  std::unique_ptr<Form1> form;
};

// The three files as the build leaves them beside the installer.
inline const Contents kDistribution{
    {"HalvekClock", "clock program"},
    {"Halvek_Clock_bg.jpg", "usual background"},
    {"Comdlg32.ocx", "dialog control"},
};

}  // namespace hc::setup::testing
