#pragma once
// A window (form) of the element model: its own properties, its elements, their stacking
// order, and the events a backend delivers to it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "element.h"

namespace hc {

enum class Pointer { kDefault, kBlank, kCross };

// What a backend hears from the model.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  // A property of `e` changed; `before` is the area it covered before (empty when hidden).
  virtual void ElementChanged(Element& e, const RectTwips& before) = 0;
  // A property of the window itself changed (caption, picture, geometry, pointer...).
  virtual void WindowChanged() = 0;
  // The window was shown (raise it) or hidden.
  virtual void VisibilityChanged() = 0;
  // The stacking order of the drawn elements changed.
  virtual void StackingChanged() = 0;
};

class Window {
 public:
  explicit Window(std::string name) : name_(std::move(name)), caption_(name_) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& Name() const { return name_; }

  // Creates an element; it goes to the front of the stacking order.
  template <class T>
  T& Add(std::string name, int index = -1, Element* container = nullptr) {
    auto owned = std::make_unique<T>(*this, std::move(name), index, container);
    T& ref = *owned;
    elements_.push_back(std::move(owned));
    stacking_.push_back(&ref);
    // A backend learns of elements made after it attached through the stacking change.
    if (observer_) observer_->StackingChanged();
    return ref;
  }
  Element* Find(const std::string& name, int index = -1) const;
  const std::vector<std::unique_ptr<Element>>& Elements() const { return elements_; }
  // Back to front. Windowed elements are shown above every drawn one whatever their place.
  const std::vector<Element*>& Stacking() const { return stacking_; }
  void BringToFront(Element& e);
  void SendToBack(Element& e);
  // The elements in the order Tab visits them: those given to SetTabOrder, then the others
  // in the order they were made.
  std::vector<Element*> TabOrder() const;
  void SetTabOrder(std::vector<Element*> first);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string c);
  // Position on the screen and client size, in twips.
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void Move(double left, double top);
  void Resize(double width, double height);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  // Drawn from the client area's top-left corner at its natural size.
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture p);
  bool Borderless() const { return borderless_; }
  void SetBorderless(bool b);
  bool FullScreen() const { return full_screen_; }
  void SetFullScreen(bool f);
  enum Pointer GetPointer() const { return pointer_; }
  void SetPointer(enum Pointer p);

  bool Visible() const { return visible_; }
  // Shows the window (not modal) and brings it to the front; again on a shown one raises it.
  void Show();
  void Hide();
  bool Modal() const { return modal_; }
  void SetModal(bool m) { modal_ = m; }

  // Events the backend delivers.
  std::function<void(std::uint16_t)> on_key_press;  // keys that produce a character
  std::function<void()> on_mouse_move;              // over the window's own surface
  std::function<void()> on_close_request;           // the window's own close control
  std::function<void()> on_resize;                  // a host gave the window another size

  void SetObserver(WindowObserver* o) { observer_ = o; }
  WindowObserver* Observer() const { return observer_; }

 private:
  void NotifyWindow();

  std::string name_;
  std::vector<std::unique_ptr<Element>> elements_;
  std::vector<Element*> stacking_;
  std::vector<Element*> tab_order_;
  std::string caption_;
  double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  Color back_color_ = 0xC0C0C0;
  Picture picture_;
  bool borderless_ = false;
  bool full_screen_ = false;
  enum Pointer pointer_ = Pointer::kDefault;
  bool visible_ = false;
  bool modal_ = false;
  WindowObserver* observer_ = nullptr;
};

// An element array: one name, members by index, one click handler receiving the index.
template <class T>
class ElementArray {
 public:
  void Put(int index, T& element) {
    if (index >= static_cast<int>(items_.size())) items_.resize(index + 1, nullptr);
    items_[index] = &element;
  }
  T& operator()(int index) const { return *items_.at(index); }
  bool Has(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) && items_[index];
  }
  int Count() const { return static_cast<int>(items_.size()); }
  void OnClick(const std::function<void(int)>& handler) {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i]) items_[i]->on_click = [handler, i] { handler(static_cast<int>(i)); };
  }

 private:
  std::vector<T*> items_;
};

}  // namespace hc
