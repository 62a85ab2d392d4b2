#pragma once
// The dialog each backend's keyboard test tabs through: a text box made first but last in
// tab order, two option buttons in a frame with the second selected, and a button; and
// where each press lands.

#include <vector>

#include "model/window.h"

namespace hc::testing {

struct TabDialog {
  explicit TabDialog(Window& w)
      : box(w.Add<TextBox>("box")),
        frame(w.Add<Frame>("frame")),
        first(w.Add<OptionButton>("opt", 0, &frame)),
        second(w.Add<OptionButton>("opt", 1, &frame)),
        ok(w.Add<Button>("ok")) {
    constexpr double t = kTwipsPerPixel;
    w.Resize(300 * t, 220 * t);
    box.Move(10 * t, 10 * t, 100 * t, 25 * t);
    frame.Move(10 * t, 40 * t, 200 * t, 80 * t);
    first.Move(10 * t, 20 * t, 150 * t, 20 * t);
    second.Move(10 * t, 45 * t, 150 * t, 20 * t);
    ok.Move(10 * t, 130 * t, 80 * t, 25 * t);
    w.SetTabOrder({&first, &second, &ok, &box});
    second.SetValue(true);
  }

  struct Press {
    bool backwards;
    const Element* lands_on;
  };
  // From the box: Tab three times, then Shift+Tab twice.
  std::vector<Press> Presses() const {
    return {{false, &second}, {false, &ok}, {false, &box}, {true, &ok}, {true, &second}};
  }

  TextBox& box;
  Frame& frame;
  OptionButton& first;
  OptionButton& second;
  Button& ok;
};

}  // namespace hc::testing
