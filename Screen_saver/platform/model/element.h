#pragma once
// The element model: named display elements in twips with the semantics the forms rely
// on. No toolkit is named here; a backend observes the model through its window and
// renders it.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "font.h"
#include "picture.h"
#include "units.h"

namespace hc {

class Window;

enum class ElementKind {
  kShape,
  kLine,
  kLabel,
  kTextBox,
  kPictureBox,
  kImage,
  kOptionButton,
  kCheckBox,
  kButton,
  kFrame,
  kTimer,
  kDriveList,
  kDirList,
  kFileList,
};

class Element {
 public:
  Element(Window& window, ElementKind kind, std::string name, int index, Element* container);
  virtual ~Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  ElementKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // Index within its element array; -1 for an element that is not in an array.
  int Index() const { return index_; }
  Window& Owner() const { return window_; }
  Element* Container() const { return container_; }
  // Windowed elements are child windows of their own: above everything drawn on their
  // container, and they take their own mouse input.
  bool Windowed() const;

  // Position relative to the container, in twips.
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double v);
  void SetTop(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  void Move(double left, double top, double width, double height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // What the element covers, relative to its window's client area.
  virtual RectTwips Extent() const;
  // The extent while the element and all its containers are visible; empty otherwise.
  RectTwips ShownExtent() const;
  bool ShownOnWindow() const;

  // The click handler; element arrays give every member one handler that receives the index.
  std::function<void()> on_click;
  // What a user's click does: an option button gets selected, a check box toggles,
  // anything else runs its click handler. Disabled elements take no clicks.
  virtual void UserClick();

 protected:
  // Applies a property change and tells the window's observer what area it touched.
  void Change(const std::function<void()>& apply);
  // Whether a change that sets what is already held can be left out: nothing repaints or
  // re-syncs for it. A timer is told every time, as setting it restarts its count.
  bool Unchanged(bool same) const { return same && kind_ != ElementKind::kTimer; }
  // Sets one property through Change unless it already holds `value`.
  template <class T, class V>
  void Assign(T& field, V&& value) {
    if (Unchanged(field == value)) return;
    Change([&] { field = std::forward<V>(value); });
  }
  void RunClick() const {
    if (on_click) on_click();
  }

 private:
  Window& window_;
  ElementKind kind_;
  std::string name_;
  int index_;
  Element* container_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

enum class ShapeKind { kRectangle, kCircle };

class Shape : public Element {
 public:
  Shape(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kShape, std::move(name), index, container) {}
  // Copies the look and size of another shape (a new array member from its template).
  void CopyFrom(const Shape& other);

  ShapeKind Kind2() const { return shape_; }
  void SetShape(ShapeKind k);
  Color FillColor() const { return fill_color_; }
  void SetFillColor(Color c);
  bool FillOpaque() const { return fill_opaque_; }
  void SetFillOpaque(bool opaque);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  int BorderWidth() const { return border_width_; }  // pixels
  void SetBorderWidth(int px);
  int BorderStyle() const { return border_style_; }  // 0 transparent, 1 solid
  void SetBorderStyle(int style);

  RectTwips Extent() const override;

 private:
  ShapeKind shape_ = ShapeKind::kRectangle;
  Color fill_color_ = 0xFFFFFF;
  bool fill_opaque_ = false;
  Color border_color_ = 0;
  int border_width_ = 1;
  int border_style_ = 1;
};

class Line : public Element {
 public:
  Line(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kLine, std::move(name), index, container) {}
  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetX1(double v);
  void SetY1(double v);
  void SetX2(double v);
  void SetY2(double v);
  void SetPoints(double x1, double y1, double x2, double y2);
  Color LineColor() const { return color_; }
  void SetLineColor(Color c);
  int LineWidth() const { return width_px_; }  // pixels
  void SetLineWidth(int px);

  RectTwips Extent() const override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color color_ = 0;
  int width_px_ = 1;
};

enum class Alignment { kLeft, kCenter, kRight };

// What labels, text boxes, buttons, frames, options and check boxes share: a text in a font.
class TextElement : public Element {
 public:
  using Element::Element;
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  void SetFontName(std::string name);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  Alignment Align() const { return alignment_; }
  void SetAlign(Alignment a);

 private:
  std::string text_;
  Font font_;
  Color fore_color_ = 0;
  Color back_color_ = 0xFFFFFF;
  Alignment alignment_ = Alignment::kLeft;
};

class Label : public TextElement {
 public:
  Label(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kLabel, std::move(name), index, container) {}
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);

 private:
  bool transparent_ = false;
};

class TextBox : public TextElement {
 public:
  TextBox(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kTextBox, std::move(name), index, container) {}
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool r);
  // A box used as a caption shows no frame.
  bool Border() const { return border_; }
  void SetBorder(bool b);
  // A typed change from the user; code changes go through SetText.
  std::function<void()> on_change;
  void UserEdit(std::string text);

 private:
  bool read_only_ = false;
  bool border_ = true;
};

class Frame : public TextElement {
 public:
  Frame(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kFrame, std::move(name), index, container) {}
};

class Button : public TextElement {
 public:
  Button(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kButton, std::move(name), index, container) {}
  bool IsDefault() const { return default_; }
  void SetDefault(bool d);  // Enter presses it
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool c);  // Escape presses it
  // Pressing from code runs the click handler, as a click does.
  void Press() const { RunClick(); }

 private:
  bool default_ = false;
  bool cancel_ = false;
};

class OptionButton : public TextElement {
 public:
  OptionButton(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kOptionButton, std::move(name), index, container) {}
  bool Value() const { return value_; }
  // Selecting clears the other options of the same container and runs the click handler
  // before it returns, even when already selected; clearing runs no handler.
  void SetValue(bool selected);
  void UserClick() override;

 private:
  bool value_ = false;
};

class CheckBox : public TextElement {
 public:
  CheckBox(Window& w, std::string name, int index, Element* container)
      : TextElement(w, ElementKind::kCheckBox, std::move(name), index, container) {}
  int Value() const { return value_; }  // 0 unticked, 1 ticked, 2 greyed
  // A change of state runs the click handler before it returns; the same state runs none.
  void SetValue(int state);
  void UserClick() override;

 private:
  int value_ = 0;
};

// A picture box (windowed) or an image (drawn).
class PictureElement : public Element {
 public:
  PictureElement(Window& w, ElementKind kind, std::string name, int index, Element* container)
      : Element(w, kind, std::move(name), index, container) {}
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture p);
  bool HasPicture() const { return picture_ != nullptr; }
  // On: the picture is scaled into the element; off: shown at its own size from the top left.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool s);
  // With stretching off: centre the picture, and shrink one larger than the element to fit
  // it keeping its proportions (instead of showing it from the top-left corner).
  bool CentreFit() const { return centre_fit_; }
  void SetCentreFit(bool c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);

 private:
  Picture picture_;
  bool stretch_ = false;
  bool centre_fit_ = false;
  Color back_color_ = 0;
};

class PictureBox : public PictureElement {
 public:
  PictureBox(Window& w, std::string name, int index, Element* container)
      : PictureElement(w, ElementKind::kPictureBox, std::move(name), index, container) {}
};

class Image : public PictureElement {
 public:
  Image(Window& w, std::string name, int index, Element* container)
      : PictureElement(w, ElementKind::kImage, std::move(name), index, container) {}
};

// The longest period a timer holds, in milliseconds.
inline constexpr std::int64_t kMaxTimerInterval = 2147483647;

class Timer : public Element {
 public:
  Timer(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kTimer, std::move(name), index, container) {}
  // 0 never fires; longer periods than a timer holds are cut to the longest.
  std::int64_t Interval() const { return interval_; }
  void SetInterval(std::int64_t ms);
  // Enabled() and SetEnabled() start and stop it; a change restarts its count.
  bool Running() const { return Enabled() && interval_ > 0; }
  std::function<void()> on_tick;
  void Tick() const {
    if (on_tick) on_tick();
  }

 private:
  std::int64_t interval_ = 0;
};

// The drive, folder and file lists of a file chooser. Their behaviour on a platform (what
// drives exist, what a folder holds) is the backend's; the model holds what is selected.
class DriveList : public Element {
 public:
  DriveList(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kDriveList, std::move(name), index, container) {}
  const std::string& Drive() const { return drive_; }
  void SetDrive(std::string drive);
  std::function<void()> on_change;

 private:
  std::string drive_;
};

class DirList : public Element {
 public:
  DirList(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kDirList, std::move(name), index, container) {}
  const std::string& Path() const { return path_; }
  // Setting a new path raises the change event before it returns.
  void SetPath(std::string path);
  std::function<void()> on_change;

 private:
  std::string path_;
};

class FileList : public Element {
 public:
  FileList(Window& w, std::string name, int index, Element* container)
      : Element(w, ElementKind::kFileList, std::move(name), index, container) {}
  const std::string& Path() const { return path_; }
  void SetPath(std::string path);
  // Patterns joined by ";", matched without regard to case.
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(std::string pattern);
  // The selected bare file name, empty when none.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string name);
  std::function<void()> on_double_click;

 private:
  std::string path_;
  std::string pattern_ = "*.*";
  std::string file_name_;
};

}  // namespace hc
