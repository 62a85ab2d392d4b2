#include "window.h"

#include <algorithm>

namespace hc {

Element* Window::Find(const std::string& name, int index) const {
  for (const auto& e : elements_)
    if (e->Name() == name && e->Index() == index) return e.get();
  return nullptr;
}

void Window::BringToFront(Element& e) {
  std::erase(stacking_, &e);
  stacking_.push_back(&e);
  if (observer_) observer_->StackingChanged();
}

void Window::SendToBack(Element& e) {
  std::erase(stacking_, &e);
  stacking_.insert(stacking_.begin(), &e);
  if (observer_) observer_->StackingChanged();
}

std::vector<Element*> Window::TabOrder() const {
  std::vector<Element*> order = tab_order_;
  for (const auto& e : elements_)
    if (std::find(tab_order_.begin(), tab_order_.end(), e.get()) == tab_order_.end())
      order.push_back(e.get());
  return order;
}

void Window::SetTabOrder(std::vector<Element*> first) {
  tab_order_ = std::move(first);
}

void Window::NotifyWindow() {
  if (observer_) observer_->WindowChanged();
}

void Window::SetCaption(std::string c) {
  caption_ = std::move(c);
  NotifyWindow();
}
void Window::Move(double left, double top) {
  left_ = left;
  top_ = top;
  NotifyWindow();
}
void Window::Resize(double width, double height) {
  width_ = width;
  height_ = height;
  NotifyWindow();
}
void Window::SetBackColor(Color c) {
  back_color_ = c;
  NotifyWindow();
}
void Window::SetPicture(Picture p) {
  picture_ = std::move(p);
  NotifyWindow();
}
void Window::SetBorderless(bool b) {
  borderless_ = b;
  NotifyWindow();
}
void Window::SetFullScreen(bool f) {
  full_screen_ = f;
  NotifyWindow();
}
void Window::SetPointer(enum Pointer p) {
  pointer_ = p;
  NotifyWindow();
}

void Window::Show() {
  visible_ = true;
  if (observer_) observer_->VisibilityChanged();
}

void Window::Hide() {
  visible_ = false;
  if (observer_) observer_->VisibilityChanged();
}

}  // namespace hc
