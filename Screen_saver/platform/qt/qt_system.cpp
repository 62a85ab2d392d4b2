#include "qt_system.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

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

bool QtSystem::InHostsWindow() {
  return session_.Host() != nullptr;
}

ScreenSize QtSystem::Screen() {
  const QSize size = session_.LayoutRect().size();
  return {static_cast<std::int64_t>(size.width()) * kTwipsPerPixel,
          static_cast<std::int64_t>(size.height()) * kTwipsPerPixel};
}

double QtSystem::TwipsPerScreenPixel() {
  // The layout's pixels are the toolkit's device-independent ones.
  const QScreen* screen = QGuiApplication::primaryScreen();
  return TwipsPerDevicePixel(screen ? screen->devicePixelRatio() : 1.0);
}

Picture QtSystem::LoadPicture(const std::string& path, std::string* error) {
  return LoadPictureFile(path, error);
}
Picture QtSystem::DecodePicture(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  return DecodePictureBytes(bytes, name, nullptr);
}

MsgResult QtSystem::ShowMessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
  return ShowMessage(text, buttons, icon, title);
}

std::optional<Color> QtSystem::ShowColorChooser(Color initial) {
  return PickColor(initial);
}

std::optional<FontChoice> QtSystem::ShowFontChooser(const FontChoice& initial) {
  return PickFont(initial, language_);
}

void QtSystem::WaitWhileShown(const Window& window) {
  session_.WaitWhileShown(window);
}

char QtSystem::DecimalSeparator() {
  return DecimalSeparatorOf(QLocale::system());
}

void QtSystem::SetCursorPos(int x, int y) {
  // The host owns the pointer, and a Wayland compositor lets no program move it (Qt would
  // only warn).
  if (session_.Host() || QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    return;
  QCursor::setPos(x, y);
}

void QtSystem::EndProgram() {
  session_.End();
}

bool QtSystem::Ended() {
  return session_.Ended();
}

}  // namespace hc::qt
