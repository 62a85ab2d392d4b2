// Our headers after <windows.h>: its macros (CopyFile, MessageBox, ChooseColor...) must
// rename none of our names, or a backend that includes it would silently call others.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// clang-format off
#include <gtest/gtest.h>

#include "app.h"
#include "common_dialog.h"
#include "fake/fake_system.h"
#include "fake/test_folder.h"
#include "files.h"
#include "forwarding_system.h"
#include "model/delivery.h"
#include "model/hit_test.h"
#include "model/picture_fit.h"
#include "model/pixels.h"
#include "model/stacking_change.h"
#include "number_text.h"
#include "paths.h"
#include "standard_files.h"
#include "texts.h"
// clang-format on

namespace hc {
namespace {

TEST(WindowsHeaders, EveryServiceIsReachedUnderItsOwnName) {
  const auto folder = fake::FreshTestFolder("hc_windows_");
  fake::FakeSystem fake;
  ForwardingSystem forwarded(fake);
  System& system = forwarded;
  const std::string from = files::Utf8Of(folder / "a.ini"), to = files::Utf8Of(folder / "b.ini");
  ASSERT_FALSE(system.WriteLines(from, {"x=1"}));
  EXPECT_FALSE(system.FileCopy(from, to));
  EXPECT_FALSE(system.RemoveFile(from));
  // Functions defined elsewhere would not link under a renamed name.
  EXPECT_FALSE(files::Copy(to, from));
  EXPECT_FALSE(files::Remove(to));
  EXPECT_EQ(files::ListFiles(files::Utf8Of(folder / "*.ini"), system.PathSeparator()),
            std::vector<std::string>{"a.ini"});
  EXPECT_EQ(system.MsgBox("text", MsgButtons::kOk, MsgIcon::kNone, "title"), MsgResult::kOk);
  EXPECT_EQ(system.AskColor(0), std::nullopt);
  EXPECT_EQ(system.AskFont({}), std::nullopt);
  EXPECT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.color_chooser_opened_with.size(), 1u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace hc
