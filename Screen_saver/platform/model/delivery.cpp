#include "delivery.h"

namespace hc {

KeyKind KeyKindOf(std::uint16_t character) {
  if (character == '\r' || character == '\n') return KeyKind::kEnter;
  if (character == 27) return KeyKind::kEscape;
  return KeyKind::kOther;
}

Element* ButtonForKey(const Window& window, KeyKind key, const Element* focused) {
  if (key == KeyKind::kOther) return nullptr;
  if (key == KeyKind::kEnter && focused && focused->Kind() == ElementKind::kButton &&
      focused->ShownOnWindow() && focused->Enabled())
    return const_cast<Element*>(focused);
  for (const auto& e : window.Elements()) {
    if (e->Kind() != ElementKind::kButton || !e->ShownOnWindow() || !e->Enabled()) continue;
    const auto& b = static_cast<const Button&>(*e);
    if (key == KeyKind::kEnter ? b.IsDefault() : b.IsCancel()) return e.get();
  }
  return nullptr;
}

void Delivery::Tick(const Timer& timer) const {
  if (Open()) timer.Tick();
}

void Delivery::MouseMove(Window& window) const {
  if (Accepting() && window.on_mouse_move) window.on_mouse_move();
}

void Delivery::CloseRequest(Window& window) const {
  if (Accepting() && window.on_close_request) window.on_close_request();
}

void Delivery::EndRequest(const std::vector<Window*>& windows) const {
  for (auto it = windows.rbegin(); it != windows.rend() && Open(); ++it)
    if ((*it)->Visible() && (*it)->on_close_request) (*it)->on_close_request();
}

void Delivery::Click(Element& element) const {
  if (Accepting()) element.UserClick();
}

void Delivery::Edit(TextBox& box, std::string text) const {
  if (Accepting()) box.UserEdit(std::move(text));
}

void Delivery::Resize(Window& window, double width, double height) const {
  if (!Open()) return;
  window.Resize(width, height);
  if (window.on_resize) window.on_resize();
}

bool Delivery::KeyPress(Window& window, KeyKind key, std::optional<std::uint16_t> character,
                        const Element* focused) const {
  if (!Accepting()) return true;
  if (window.on_key_press) {
    if (!character) return false;
    window.on_key_press(*character);
    return true;
  }
  Element* button = ButtonForKey(window, key, focused);
  if (!button) return false;
  button->UserClick();
  return true;
}

}  // namespace hc
