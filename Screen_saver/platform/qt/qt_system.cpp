#include "qt_system.h"

#include <QCursor>

#include "dialogs.h"
#include "pictures.h"
#include "session.h"

namespace hc::qt {

char DecimalSeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.isEmpty() || point.at(0).unicode() > 0x7F) return '.';
  return static_cast<char>(point.at(0).unicode());
}

QtSystem::QtSystem(Session& session, const std::vector<std::string>& arguments)
    : session_(session) {
  for (const auto& a : arguments) command_line_ += (command_line_.empty() ? "" : " ") + a;
}

bool QtSystem::AnotherInstance() {
  // A host runs one clock for each of its windows.
  return !session_.Host() && LinuxSystem::AnotherInstance();
}

ScreenSize QtSystem::Screen() {
  const QSize size = session_.ScreenRect().size();
  return {static_cast<std::int64_t>(size.width()) * kTwipsPerPixel,
          static_cast<std::int64_t>(size.height()) * kTwipsPerPixel};
}

Picture QtSystem::LoadPicture(const std::string& path, std::string* error) {
  return LoadPictureFile(path, error);
}
Picture QtSystem::DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  return DecodePictureBytes(bytes, name, nullptr);
}

MsgResult QtSystem::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
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

std::optional<Color> QtSystem::AskColor(Color initial) {
  if (session_.Ended()) return std::nullopt;
  return PickColor(initial);
}
std::optional<FontChoice> QtSystem::AskFont(const FontChoice& initial) {
  if (session_.Ended()) return std::nullopt;
  return PickFont(initial);
}

char QtSystem::DecimalSeparator() {
  return DecimalSeparatorOf(QLocale::system());
}

void QtSystem::SetCursorPos(int x, int y) {
  // The host owns the pointer.
  if (!session_.Host()) QCursor::setPos(x, y);
}

void QtSystem::EndProgram() {
  session_.End();
}

bool QtSystem::Ended() {
  return session_.Ended();
}

}  // namespace hc::qt
