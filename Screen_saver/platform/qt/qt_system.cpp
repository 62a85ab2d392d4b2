#include "qt_system.h"

#include <unistd.h>

#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <cstdlib>
#include <filesystem>

#include "dialogs.h"
#include "linux_host.h"
#include "pictures.h"
#include "session.h"

namespace hc::qt {

namespace {

std::string Home() {
  const char* home = std::getenv("HOME");
  return home ? home : "";
}

}  // namespace

char DecimalSeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.isEmpty() || point.at(0).unicode() > 0x7F) return '.';
  return static_cast<char>(point.at(0).unicode());
}

QtSystem::QtSystem(Session& session, const std::vector<std::string>& arguments)
    : session_(session) {
  for (const auto& a : arguments) command_line_ += (command_line_.empty() ? "" : " ") + a;
}

std::string QtSystem::ProgramFolder() {
  return host::FolderOf(host::ProgramFile());
}

bool QtSystem::AnotherInstance() {
  return !lock_.Acquire(
      host::InstanceLockPath(host::ProgramFile(), ::getuid(), std::getenv("XDG_RUNTIME_DIR")));
}

std::string QtSystem::DriveOf(const std::string& path) {
  return host::MountPointOf(path, host::MountPoints(host::ReadMounts()));
}

ScreenSize QtSystem::Screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QSize size = screen->geometry().size();
  return {static_cast<std::int64_t>(size.width()) * kTwipsPerPixel,
          static_cast<std::int64_t>(size.height()) * kTwipsPerPixel};
}

DateTime QtSystem::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

Picture QtSystem::LoadPicture(const std::string& path, std::string* error) {
  return LoadPictureFile(path, error);
}
Picture QtSystem::DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  return DecodePictureBytes(bytes, name, nullptr);
}

MsgResult QtSystem::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) {
  // After the end nobody is there to answer: the box counts as closed.
  if (session_.Ended())
    return buttons == MsgButtons::kOkCancel ? MsgResult::kCancel : MsgResult::kOk;
  return ShowMessage(text, buttons, icon, title);
}

void QtSystem::RunModal(Window& window) {
  window.SetModal(true);
  window.Show();
  session_.WaitWhileShown(window);
  window.SetModal(false);
}

std::optional<Color> QtSystem::ChooseColor(Color initial) {
  if (session_.Ended()) return std::nullopt;
  return PickColor(initial);
}
std::optional<FontChoice> QtSystem::ChooseFont(const FontChoice& initial) {
  if (session_.Ended()) return std::nullopt;
  return PickFont(initial);
}

std::vector<std::string> QtSystem::Drives() {
  return host::DrivesFrom(host::MountPoints(host::ReadMounts()), Home());
}
std::vector<std::string> QtSystem::SubFolders(const std::string& folder) {
  return host::SubFolders(folder);
}
FileError QtSystem::CheckFolder(const std::string& folder) {
  return {host::FolderProblem(folder)};
}

char QtSystem::DecimalSeparator() {
  return DecimalSeparatorOf(QLocale::system());
}

void QtSystem::SetCursorPos(int x, int y) {
  QCursor::setPos(x, y);
}

std::string QtSystem::SystemFolder() {
  return host::ChooseSystemFolder(Home(), [](const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
  });
}

bool QtSystem::StartCommand(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) return false;
  QStringList rest;
  for (std::size_t i = 1; i < argv.size(); ++i) rest << QString::fromStdString(argv[i]);
  // The program and its arguments go to exec as they are: no shell ever reads them.
  return QProcess::startDetached(QString::fromStdString(argv.front()), rest);
}

void QtSystem::EndProgram() {
  session_.End();
}

bool QtSystem::Ended() {
  return session_.Ended();
}

}  // namespace hc::qt
