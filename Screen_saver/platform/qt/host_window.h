#pragma once
// The window of a screensaver host that the clock draws into: its size, and word from the
// X server when the host resizes it or it goes away.

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QSize>
#include <QWindow>
#include <functional>
#include <memory>
#include <string>

namespace hc::qt {

class HostWindow : public QAbstractNativeEventFilter {
 public:
  // `id` 0 stands for the root window. `error` says why a window cannot be used.
  static std::unique_ptr<HostWindow> Open(unsigned long id, std::string* error);
  ~HostWindow() override;

  // In the toolkit's device-independent pixels.
  QSize Size() const;
  // The host's window as a parent for a window of ours.
  QWindow* AsParent() const { return foreign_.get(); }

  std::function<void(QSize)> on_resized;
  std::function<void()> on_gone;

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  HostWindow(xcb_window_t id, QSize device_size);

  xcb_window_t id_;
  QSize device_size_;
  std::unique_ptr<QWindow> foreign_;
};

}  // namespace hc::qt
