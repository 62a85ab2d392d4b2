// What Linux answers without a toolkit: mounts as drives, the screensaver folder, the
// per-user claim, starting programs and the program's own folder.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "bare_linux_system.h"
#include "fake/test_folder.h"
#include "linux/host_window_args.h"
#include "linux/instance_lock.h"
#include "linux/system_places.h"

extern char** environ;

namespace hc::testing {
namespace {

namespace fs = std::filesystem;

const char kMounts[] =
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "/dev/sda2 /hcdata ext4 rw 0 0\n"
    "/dev/sda3 /hcdata/deep ext4 rw 0 0\n"
    "/dev/sdb1 /hc\\040media/usb\\040stick vfat rw 0 0\n"
    "proc /proc proc rw 0 0\n";

TEST(Mounts, PathBelongsToTheLongestMountThatHoldsIt) {
  const auto points = places::MountPoints(kMounts);
  EXPECT_EQ(points, (std::vector<std::string>{"/", "/hcdata", "/hcdata/deep", "/hc media/usb stick",
                                              "/proc"}));
  struct Case {
    const char* path;
    const char* mount;
  };
  for (const Case c : {Case{"/hcdata/deep/a/b.gif", "/hcdata/deep"},
                       {"/hcdata/deeper/b.gif", "/hcdata"},
                       {"/hcdata", "/hcdata"},
                       {"/hcdata/", "/hcdata"},
                       {"/hcdatabase/x", "/"},
                       {"/hc media/usb stick/pics", "/hc media/usb stick"},
                       {"/hcdata/deep/../x", "/hcdata"},
                       {"/", "/"}})
    EXPECT_EQ(places::MountPointOf(c.path, points), c.mount) << c.path;
}

TEST(Mounts, DrivesAreTheRootTheHomeMountAndRemovableMedia) {
  const auto points = places::MountPoints(
      "r / ext4 rw 0 0\nh /hchome ext4 rw 0 0\nu /media/u/STICK vfat rw 0 0\n"
      "c /run/media/u/CARD vfat rw 0 0\nt /tmp tmpfs rw 0 0\n");
  EXPECT_EQ(places::DrivesFrom(points, "/hchome/u"),
            (std::vector<std::string>{"/", "/hchome", "/media/u/STICK", "/run/media/u/CARD"}));
  EXPECT_EQ(places::DrivesFrom(points, "/root").size(), 3u) << "a home on the root adds nothing";
}

TEST(Folders, ScreensaverFolderIsTheSharedOneWhenItExists) {
  const auto with = [](bool exists) {
    return
        [exists](const std::string& path) { return exists && path == "/usr/libexec/xscreensaver"; };
  };
  EXPECT_EQ(places::ChooseSystemFolder("/home/u", with(true)), "/usr/libexec/xscreensaver");
  EXPECT_EQ(places::ChooseSystemFolder("/home/u", with(false)), "/home/u/.local/bin");
}

TEST(Screensaver, TheSettingsAreTriedBeforeTheFolderIsOpened) {
  BareLinuxSystem system;
  EXPECT_EQ(system.ScreensaverFileName(), "HalvekClock");
  EXPECT_EQ(
      system.ScreensaverSettingsCommands("/home/u/.local/bin", "/home/u/.local/bin/HalvekClock"),
      (std::vector<std::vector<std::string>>{
          {"xscreensaver-settings"}, {"xscreensaver-demo"}, {"xdg-open", "/home/u/.local/bin"}}));
}

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool WaitFor(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

int Reap(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs `body` in a child process and returns its exit status.
template <class Body>
int InChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return Reap(pid);
}

class Instance : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("DISPLAY", ":7", 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_RUNTIME_DIR");
    ::unsetenv("DISPLAY");
    fs::remove_all(runtime);
  }
  std::string LockPath() const {
    return places::InstanceLockPath(places::ProgramFile(), ::geteuid(),
                                    places::LockPlaceFromEnvironment());
  }
  // Holds the lock at `path` in a child process until the returned process is killed;
  // `planted` locks whatever is there, as another account's program could.
  static pid_t HoldInChild(const std::string& path, bool planted = false) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t holder = ::fork();
    if (holder == 0) {
      const int fd = planted ? ::open(path.c_str(), O_RDWR) : LockFile(path.c_str());
      const char held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
      (void)!::write(ready[1], &held, 1);
      ::pause();
      ::_exit(0);
    }
    char held = 0;
    const bool told = ::read(ready[0], &held, 1) == 1;
    ::close(ready[0]);
    ::close(ready[1]);
    return told && held == 'y' ? holder : -1;
  }
  const std::string runtime = fake::FreshTestFolder("hc_runtime_").string();
};

TEST_F(Instance, AnotherProcessSeesTheClaimWhileThisOneRuns) {
  auto system = std::make_unique<BareLinuxSystem>();
  ASSERT_FALSE(system->AnotherInstance());
  EXPECT_FALSE(system->AnotherInstance()) << "asking again is still this run's claim";
  const std::string path = LockPath();
  EXPECT_EQ(InChild([&] { return LockFile(path.c_str()) == kHeldElsewhere ? 0 : 1; }), 0);

  // A program started from here does not carry the claim on after this run ends.
  char sleep_name[] = "sleep", seconds[] = "30";
  char* args[] = {sleep_name, seconds, nullptr};
  pid_t sleeper = 0;
  ASSERT_EQ(::posix_spawn(&sleeper, "/bin/sleep", nullptr, nullptr, args, environ), 0);
  // The kernel lets the parent go on a little before it closes the child's descriptors
  // for the new program; the new program's name is set after that.
  ASSERT_TRUE(
      WaitFor([&] { return Contents("/proc/" + std::to_string(sleeper) + "/comm") == "sleep\n"; }));
  system.reset();
  EXPECT_EQ(InChild([&] { return LockFile(path.c_str()) >= 0 ? 0 : 1; }), 0);
  ::kill(sleeper, SIGKILL);
  Reap(sleeper);
}

TEST_F(Instance, ClaimOfAKilledRunIsFree) {
  const pid_t holder = HoldInChild(LockPath());
  ASSERT_GT(holder, 0);
  EXPECT_TRUE(BareLinuxSystem().AnotherInstance());
  ::kill(holder, SIGKILL);
  Reap(holder);
  EXPECT_FALSE(BareLinuxSystem().AnotherInstance());
}

// One clock per display: a clock on another display does not count, one on another screen
// of the same display does.
TEST_F(Instance, ClocksAreCountedPerDisplay) {
  struct Case {
    const char* held_on;
    const char* started_on;
    bool counted;
  };
  for (const Case& k : {Case{":7", ":8", false}, Case{":7.0", ":7.1", true},
                        Case{"host:7", "host:7.0", true}, Case{":7", ":7", true}}) {
    ::setenv("DISPLAY", k.held_on, 1);
    const pid_t holder = HoldInChild(LockPath());
    ASSERT_GT(holder, 0) << k.held_on;
    ::setenv("DISPLAY", k.started_on, 1);
    EXPECT_EQ(BareLinuxSystem().AnotherInstance(), k.counted) << k.held_on << " " << k.started_on;
    ::kill(holder, SIGKILL);
    Reap(holder);
  }
}

// Another account cannot keep this user's clock away: a lock file it owns, or a link in
// the lock's place, claims nothing (the clock runs), and what the link names is untouched.
TEST_F(Instance, ALockFileThisUserDoesNotOwnNeverCounts) {
  const std::string path = LockPath();
  const fs::path named = fs::path(runtime) / "named";
  struct Case {
    const char* name;
    std::function<void()> plant;
  };
  const Case cases[] = {
      {"another user's file",
       [&] {
         std::ofstream(path) << "";
         ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
       }},
      {"a link",
       [&] {
         std::ofstream(named) << "keep";
         fs::create_symlink(named, path);
       }},
  };
  if (::geteuid() != 0) GTEST_SKIP() << "another account's file needs root to make";
  for (const Case& k : cases) {
    fs::remove(path);
    k.plant();
    // The planter holds it as well as anyone can.
    const pid_t holder = HoldInChild(path, true);
    ASSERT_GT(holder, 0) << k.name;
    EXPECT_FALSE(BareLinuxSystem().AnotherInstance()) << k.name;
    ::kill(holder, SIGKILL);
    Reap(holder);
  }
  EXPECT_EQ(Contents(named.string()), "keep");
}

TEST(UserFolder, ConfigHomeWhenAbsoluteElseTheHomesConfigFolder) {
  EXPECT_EQ(places::UserConfigFolder("/cfg", "/home/u", "HalvekClock"), "/cfg/HalvekClock");
  EXPECT_EQ(places::UserConfigFolder(nullptr, "/home/u", "HalvekClock"),
            "/home/u/.config/HalvekClock");
  EXPECT_EQ(places::UserConfigFolder("", "/home/u", "HalvekClock"), "/home/u/.config/HalvekClock");
  EXPECT_EQ(places::UserConfigFolder("relative", "/home/u", "HalvekClock"),
            "/home/u/.config/HalvekClock");
  EXPECT_EQ(places::UserConfigFolder(nullptr, "", "HalvekClock"), "");
}

TEST(HostWindow, TheHostsArgumentsAreTakenOutAndNameTheWindow) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* env;
    bool hosted;
    unsigned long window;
    std::vector<std::string> left;
    bool error;
  };
  const Case cases[] = {
      {"none", {"/s"}, nullptr, false, 0, {"/s"}, false},
      {"root", {"--root"}, nullptr, true, 0, {}, false},
      {"short root", {"-root"}, "", true, 0, {}, false},
      {"root with the host's window", {"-root"}, "0x2a00007", true, 0x2a00007, {}, false},
      {"host's window in decimal", {"--root"}, "44040199", true, 44040199, {}, false},
      {"window id in hex", {"--window-id", "0x1A"}, nullptr, true, 26, {}, false},
      {"window id wins over the host's",
       {"-window-id", "77", "--root"},
       "0x99",
       true,
       77,
       {},
       false},
      {"other arguments stay",
       {"/c", "-window-id", "5", "x"},
       nullptr,
       true,
       5,
       {"/c", "x"},
       false},
      {"the host's window alone does nothing", {}, "0x99", false, 0, {}, false},
      {"no id", {"--window-id"}, nullptr, false, 0, {}, true},
      {"bad id", {"--window-id", "0xZZ"}, nullptr, false, 0, {}, true},
      {"zero", {"--window-id", "0"}, nullptr, false, 0, {}, true},
      {"bad host window", {"--root"}, "window", false, 0, {}, true},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    const host::HostWindowRequest r = host::TakeHostWindowArguments(args, c.env);
    EXPECT_EQ(!r.error.empty(), c.error) << c.name << ": " << r.error;
    if (c.error) continue;
    EXPECT_EQ(r.hosted, c.hosted) << c.name;
    EXPECT_EQ(r.window, c.window) << c.name;
    EXPECT_EQ(args, c.left) << c.name;
  }
}

TEST(LockPath, AFolderOnlyTheUserWritesTheUserAndTheDisplay) {
  struct Case {
    places::LockPlace place;
    const char* path;
  };
  const Case cases[] = {
      {{"/run/user/1000", "/c", "/home/u", ":0", nullptr},
       "/run/user/1000/HalvekClock-1000-_0.lock"},
      // Never a folder every account may write, such as /tmp.
      {{nullptr, nullptr, "/home/u", ":0.1", nullptr},
       "/home/u/.cache/HalvekClock/HalvekClock-1000-_0.lock"},
      {{"", "/c", "/home/u", "remote:10.0", nullptr},
       "/c/HalvekClock/HalvekClock-1000-remote_10.lock"},
      {{"relative", "relative", "/home/u", nullptr, "wayland-1"},
       "/home/u/.cache/HalvekClock/HalvekClock-1000-wayland-1.lock"},
      {{"/run/user/1000", nullptr, "", "", ""}, "/run/user/1000/HalvekClock-1000-none.lock"},
      {{nullptr, nullptr, "", ":0", nullptr}, ""},
      // A display name cannot lead out of the folder.
      {{"/r", nullptr, "", "../../etc/x:0", nullptr}, "/r/HalvekClock-1000-.._.._etc_x_0.lock"},
  };
  for (const Case& k : cases)
    EXPECT_EQ(places::InstanceLockPath("/opt/hc/HalvekClock", 1000, k.place), k.path)
        << (k.place.display ? k.place.display : "-");
}

class Programs : public ::testing::Test {
 protected:
  ~Programs() override { fs::remove_all(root); }
  const std::string root = fake::FreshTestFolder("hc_programs_").string();
  BareLinuxSystem system;
};

TEST_F(Programs, ArgumentsReachTheProgramUntouchedWithoutAShell) {
  fs::create_directory(root + "/with blanks");
  const std::string out = root + "/with blanks/out.txt";
  const std::string argument = "two  words; touch " + root + "/injected $HOME `id`";
  ASSERT_TRUE(system.StartCommand({"sh", "-c", "printf %s \"$1\" > \"$2\"", "sh", argument, out}));
  EXPECT_TRUE(WaitFor([&] { return Contents(out) == argument; })) << Contents(out);
  EXPECT_FALSE(fs::exists(root + "/injected"));
}

TEST_F(Programs, MissingProgramDoesNotStart) {
  EXPECT_FALSE(system.StartCommand({"/nonexistent/folder/program", "x"}));
  EXPECT_FALSE(system.StartCommand({"hc-no-such-program-anywhere"}));
  EXPECT_FALSE(system.StartCommand({}));
}

TEST_F(Programs, ProgramFolderHoldsTheRunningProgram) {
  const std::string folder = system.ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(fs::is_regular_file(folder + "/platform_linux_tests"));
}

TEST_F(Programs, NowIsTheLocalTimeOfDay) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const std::time_t before = std::time(nullptr);
  const DateTime now = system.Now();
  const std::time_t after = std::time(nullptr);
  ::unsetenv("TZ");
  ::tzset();
  const auto seconds = [](std::time_t t) { return static_cast<int>(t % 86400); };
  const int got = now.hour * 3600 + now.minute * 60 + now.second;
  EXPECT_TRUE(got == seconds(before) || got == seconds(after)) << got;
  EXPECT_GE(now.year, 2024);
}

}  // namespace
}  // namespace hc::testing
