// The system services that come from Linux: mounts, folders, the per-user claim, starting
// programs and the locale.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "instance_lock.h"
#include "linux_host.h"
#include "qt_fixture.h"
#include "qt_system.h"
#include "session.h"

extern char** environ;

namespace hc::qt {
namespace {

const char kMounts[] =
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "/dev/sda2 /hcdata ext4 rw 0 0\n"
    "/dev/sda3 /hcdata/deep ext4 rw 0 0\n"
    "/dev/sdb1 /hc\\040media/usb\\040stick vfat rw 0 0\n"
    "proc /proc proc rw 0 0\n";

TEST(Mounts, PathBelongsToTheLongestMountThatHoldsIt) {
  const auto points = host::MountPoints(kMounts);
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
    EXPECT_EQ(host::MountPointOf(c.path, points), c.mount) << c.path;
}

TEST(Mounts, DrivesAreTheRootTheHomeMountAndRemovableMedia) {
  const auto points = host::MountPoints(
      "r / ext4 rw 0 0\nh /hchome ext4 rw 0 0\nu /media/u/STICK vfat rw 0 0\n"
      "c /run/media/u/CARD vfat rw 0 0\nt /tmp tmpfs rw 0 0\n");
  EXPECT_EQ(host::DrivesFrom(points, "/hchome/u"),
            (std::vector<std::string>{"/", "/hchome", "/media/u/STICK", "/run/media/u/CARD"}));
  EXPECT_EQ(host::DrivesFrom(points, "/root").size(), 3u) << "a home on the root adds nothing";
}

TEST(Folders, ScreensaverFolderIsTheSharedOneWhenItExists) {
  const auto with = [](bool exists) {
    return
        [exists](const std::string& path) { return exists && path == "/usr/libexec/xscreensaver"; };
  };
  EXPECT_EQ(host::ChooseSystemFolder("/home/u", with(true)), "/usr/libexec/xscreensaver");
  EXPECT_EQ(host::ChooseSystemFolder("/home/u", with(false)), "/home/u/.local/bin");
}

TEST(Folders, SubFoldersByNameWithoutHiddenOnesAndProblemsNamed) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  for (const char* name : {"beta", "Alpha", ".cache", "gamma"}) QDir(dir.path()).mkdir(name);
  std::ofstream(root + "/file.gif") << "x";
  EXPECT_EQ(host::SubFolders(root), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(host::FolderProblem(root), "");
  EXPECT_EQ(host::FolderProblem(root + "/none"), root + "/none: no such folder");
  EXPECT_EQ(host::FolderProblem(root + "/file.gif"), root + "/file.gif: not a folder");
}

TEST(Locale, DecimalSeparatorIsOneAsciiCharacter) {
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Russian, QLocale::Russia)), ',');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
  EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::Egypt)), '.')
      << "a separator outside ASCII";
}

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Waits for a child to end, through signals that interrupt the wait (Qt watches children
// once a program has been started).
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
  void SetUp() override { ::setenv("XDG_RUNTIME_DIR", runtime.path().toUtf8().constData(), 1); }
  void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

  std::string LockPath() const {
    return host::InstanceLockPath(host::ProgramFile(), ::getuid(),
                                  runtime.path().toUtf8().constData());
  }

  QTemporaryDir runtime;
  Session session;
};

TEST_F(Instance, AnotherProcessSeesTheClaimWhileThisOneRuns) {
  auto system = std::make_unique<QtSystem>(session, std::vector<std::string>{});
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
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Contents("/proc/" + std::to_string(sleeper) + "/comm") == "sleep\n"; }, 20000));
  system.reset();
  EXPECT_EQ(InChild([&] { return LockFile(path.c_str()) >= 0 ? 0 : 1; }), 0);
  ::kill(sleeper, SIGKILL);
  Reap(sleeper);
}

TEST_F(Instance, ClaimOfAKilledRunIsFree) {
  const std::string path = LockPath();
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    const char held = LockFile(path.c_str()) >= 0 ? 'y' : 'n';
    (void)!::write(ready[1], &held, 1);
    ::pause();
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');
  EXPECT_TRUE(QtSystem(session, {}).AnotherInstance());
  ::kill(holder, SIGKILL);
  Reap(holder);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_FALSE(QtSystem(session, {}).AnotherInstance());
}

TEST(LockPath, RuntimeFolderOrTmpAndTheUser) {
  EXPECT_EQ(host::InstanceLockPath("/opt/hc/HalvekClock", 1000, "/run/user/1000"),
            "/run/user/1000/HalvekClock-1000.lock");
  EXPECT_EQ(host::InstanceLockPath("/opt/hc/HalvekClock", 1001, nullptr),
            "/tmp/HalvekClock-1001.lock");
  EXPECT_EQ(host::InstanceLockPath("/opt/hc/HalvekClock", 1001, ""), "/tmp/HalvekClock-1001.lock");
}

using Programs = QtFixture;

TEST_F(Programs, ArgumentsReachTheProgramUntouchedWithoutAShell) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("with blanks"));
  const std::string out = root + "/with blanks/out.txt";
  const std::string argument = "two  words; touch " + root + "/injected $HOME `id`";
  ASSERT_TRUE(app.GetSystem().StartCommand(
      {"/bin/sh", "-c", "printf %s \"$1\" > \"$2\"", "sh", argument, out}));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (Contents(out) != argument && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(Contents(out), argument);
  EXPECT_FALSE(std::filesystem::exists(root + "/injected"));
}

TEST_F(Programs, MissingProgramDoesNotStart) {
  EXPECT_FALSE(app.GetSystem().StartCommand({"/nonexistent/folder/program", "x"}));
  EXPECT_FALSE(app.GetSystem().StartCommand({}));
}

TEST(CommandLine, ArgumentsAfterTheProgramNameLessTheToolkitsOwn) {
  std::string words[] = {
      "/opt/hc/HalvekClock", "-platform", "offscreen", "/p", "4242", "two words"};
  char* argv[7] = {};
  for (int i = 0; i < 6; ++i) argv[i] = words[i].data();
  int argc = 6;
  App app(argc, argv);
  EXPECT_EQ(app.GetSystem().CommandLine(), "/p 4242 two words");
}

TEST_F(Programs, ProgramFolderHoldsTheRunningProgram) {
  const std::string folder = app.GetSystem().ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/platform_qt_tests"));
}

}  // namespace
}  // namespace hc::qt
