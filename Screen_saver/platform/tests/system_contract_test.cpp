// One table of expectations for the file and folder services, run against every system
// this build has: the Linux system and the test double must answer alike, so logic tests
// on the double say something about the real program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "fake/fake_system.h"
#include "fake/test_folder.h"
#include "files.h"
#include "paths.h"
#ifdef HC_HAVE_LINUX_SYSTEM
#include "linux/tests/bare_linux_system.h"
#endif
#ifdef HC_HAVE_WIN32_SYSTEM
#include <windows.h>

#include "tests/without_ui.h"
#include "win32/win32_system.h"
#endif

namespace hc {
namespace {

namespace fs = std::filesystem;

struct SystemKind {
  const char* name;
  std::function<std::unique_ptr<System>()> make;
  // A line outside ASCII that the system's text files hold: Windows writes them in its
  // ANSI code page, which has letters of one script only.
  std::string text_line = "PicCenter=Встроенная";
  friend void PrintTo(const SystemKind& k, std::ostream* os) { *os << k.name; }
};

class Contract : public ::testing::TestWithParam<SystemKind> {
 protected:
  Contract() : system(GetParam().make()), sep(system->PathSeparator()) {}
  ~Contract() override { fs::remove_all(root); }

  // A path under the test's folder, given as the program would: UTF-8, joined by `sep`.
  std::string P(const std::string& relative) const {
    std::string path = files::Utf8Of(root);
    std::size_t start = 0;
    while (start <= relative.size()) {
      const auto end = std::min(relative.find('/', start), relative.size());
      path = JoinPath(path, relative.substr(start, end - start), sep);
      start = end + 1;
    }
    return path;
  }
  void Put(const std::string& relative, const std::string& bytes) {
    const fs::path path = files::PathFromUtf8(P(relative));
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(files::PathFromUtf8(P(relative)), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void MakeFolder(const std::string& relative) {
    fs::create_directories(files::PathFromUtf8(P(relative)));
  }

  const fs::path root = fake::FreshTestFolder("hc_contract_");
  std::unique_ptr<System> system;
  const std::string sep;
};

using Names = std::vector<std::string>;

TEST_P(Contract, ListingsAreByNameWithoutRegardToCaseAndLeaveHiddenEntriesOut) {
  for (const char* name : {"c.gif", "A.GIF", "b.Gif", "B2.gif", ".h.gif", "notes.txt"})
    Put(std::string("pics/") + name, "x");
  for (const char* name : {"beta", "Alpha", ".cache", "Zeta", "gamma", "Папка"})
    MakeFolder(std::string("pics/") + name);
  EXPECT_EQ(system->ListFiles(P("pics/*.gif")), (Names{"A.GIF", "b.Gif", "B2.gif", "c.gif"}));
  EXPECT_EQ(system->ListFiles(P("pics/") + sep),
            (Names{"A.GIF", "b.Gif", "B2.gif", "c.gif", "notes.txt"}))
      << "a folder path ending in the separator lists every ordinary file";
  EXPECT_EQ(system->FirstFile(P("pics/notes.txt")), "notes.txt");
  EXPECT_EQ(system->FirstFile(P("pics/.h.gif")), "") << "hidden even when named";
  EXPECT_EQ(system->FirstFile(P("pics/beta")), "") << "a folder is no file";
  EXPECT_EQ(system->SubFolders(P("pics")), (Names{"Alpha", "beta", "gamma", "Zeta", "Папка"}));
}

TEST_P(Contract, MissingFoldersListNothingAndSayWhy) {
  Put("file.gif", "x");
  MakeFolder("here");
  EXPECT_TRUE(system->ListFiles(P("none/*.gif")).empty());
  EXPECT_TRUE(system->ListFiles(P("none") + sep).empty());
  EXPECT_TRUE(system->SubFolders(P("none")).empty());
  EXPECT_FALSE(system->CheckFolder(P("here")));
  const FileError missing = system->CheckFolder(P("none"));
  ASSERT_TRUE(missing);
  EXPECT_NE(missing.message.find(P("none")), std::string::npos) << missing.message;
  EXPECT_TRUE(system->CheckFolder(P("file.gif"))) << "a file is no folder";
}

TEST_P(Contract, ACopyReplacesTheTargetWholeAndAFailedOneLeavesIt) {
  Put("new.jpg", std::string("new\0bytes", 9));
  Put("old.jpg", "old");
  ASSERT_FALSE(system->FileCopy(P("new.jpg"), P("old.jpg")));
  EXPECT_EQ(Read("old.jpg"), std::string("new\0bytes", 9));
  EXPECT_TRUE(system->FileCopy(P("none.jpg"), P("old.jpg")));
  EXPECT_EQ(Read("old.jpg"), std::string("new\0bytes", 9));
  EXPECT_TRUE(system->FileCopy(P("new.jpg"), P("none/old.jpg"))) << "no such folder";
  EXPECT_FALSE(system->RemoveFile(P("new.jpg")));
  EXPECT_TRUE(system->RemoveFile(P("new.jpg"))) << "nothing left to remove";
  EXPECT_EQ(system->ListFiles(P("") + sep), Names{"old.jpg"}) << "no temporary file left";
}

TEST_P(Contract, LinesEndInCrLfWhenWrittenAndInEitherWhenRead) {
  Put("mixed.ini", "a=1\r\nb=2\nc=3");
  EXPECT_EQ(system->ReadLines(P("mixed.ini")), (Names{"a=1", "b=2", "c=3"}));
  ASSERT_FALSE(system->WriteLines(P("out.ini"), {"x=1", "", "y="}));
  EXPECT_EQ(Read("out.ini"), "x=1\r\n\r\ny=\r\n");
  EXPECT_EQ(system->ReadLines(P("none.ini")), std::nullopt);
}

TEST_P(Contract, NamesOutsideAsciiWorkEverywhere) {
  MakeFolder("Время");
  const std::string line = GetParam().text_line;
  ASSERT_FALSE(system->WriteLines(P("Время/Часы.ini"), {line}));
  EXPECT_EQ(system->ReadLines(P("Время/Часы.ini")), Names{line});
  ASSERT_FALSE(system->FileCopy(P("Время/Часы.ini"), P("Время/Слайд ё.GIF")));
  EXPECT_EQ(system->ListFiles(P("Время/*.gif")), Names{"Слайд ё.GIF"});
  EXPECT_EQ(system->SubFolders(P("")), Names{"Время"});
  EXPECT_FALSE(system->RemoveFile(P("Время/Слайд ё.GIF")));
}

std::vector<SystemKind> Systems() {
  std::vector<SystemKind> kinds{{"fake", [] { return std::make_unique<fake::FakeSystem>(); }}};
#ifdef HC_HAVE_LINUX_SYSTEM
  kinds.push_back({"linux", [] { return std::make_unique<testing::BareLinuxSystem>(); }});
#endif
#ifdef HC_HAVE_WIN32_SYSTEM
  kinds.push_back({"windows",
                   [] { return std::make_unique<testing::WithoutUi<win32::Win32System>>(); },
                   GetACP() == 1251   ? "PicCenter=Встроенная"
                   : GetACP() == 1252 ? "PicCenter=Café"
                                      : "PicCenter=Default"});
#endif
  return kinds;
}

INSTANTIATE_TEST_SUITE_P(Systems, Contract, ::testing::ValuesIn(Systems()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hc
