#include "Form1.h"

#include "Form2.h"
#include "builtin.h"
#include "frmFILE.h"

namespace hc {

Form1::Form1(System& system, std::function<void(Window&)> attach)
    : Timer4(window.Add<Timer>("Timer4")),
      TimerSHOW(window.Add<Timer>("TimerSHOW")),
      lblF1(window.Add<TextBox>("lblF1")),
      picTMP1(window.Add<PictureBox>("picTMP1")),
      ComDial(system),
      system_(system),
      attach_(std::move(attach)) {
  CreateElements();
  if (attach_) attach_(window);
}

Form1::~Form1() = default;

void Form1::CreateElements() {
  window.SetCaption("Form1");
  window.SetBackColor(0);
  window.SetBorderless(true);
  window.SetPointer(Pointer::kBlank);
  window.on_key_press = [this](std::uint16_t key) { Form_KeyPress(key); };
  window.on_mouse_move = [this] { Form_MouseMove(); };
  window.on_resize = [this] { Form_Resize(); };

  lblF1.SetText("Click <1> for setup");
  lblF1.Move(0, 0, 3015, 615);
  lblF1.SetAlign(Alignment::kCenter);
  lblF1.SetFont(Font("Arial", 14.25, true, kCharsetCyrillic));
  lblF1.SetBackColor(0);  // the window-frame colour
  lblF1.SetReadOnly(true);
  lblF1.SetBorder(false);

  // The centre picture and the hidden dial stores; Pict(0) is above everything drawn.
  for (int i = 0; i <= 5; ++i) {
    PictureBox& p = window.Add<PictureBox>("Pict", i);
    p.SetVisible(i == 0);
    Pict.Put(i, p);
  }
  Pict(0).Move(0, 0, 735, 735);
  Pict(0).SetPicture(BuiltinEmblem(system_));
  // A chosen picture of another size is fitted into the 49 x 49 pixel box.
  Pict(0).SetCentreFit(true);
  picTMP1.Move(0, 0, 495, 495);
  picTMP1.SetVisible(false);

  Shape& templ = window.Add<Shape>("ShapeS", 0);
  templ.SetVisible(false);
  ShapeS.Put(0, templ);

  for (int k = 0; k <= 2; ++k) {
    Line& line = window.Add<Line>("LineS", k);
    line.SetVisible(false);
    LineS.Put(k, line);
  }
  const int line_widths[] = {2, 4, 6};  // seconds, minutes, hours
  for (int k = 0; k <= 2; ++k) LineS(k).SetLineWidth(line_widths[k]);

  for (int k = 0; k <= 2; ++k) {
    Label& label = window.Add<Label>("lblS", k);
    label.SetVisible(false);
    label.SetAlign(Alignment::kCenter);
    label.SetTransparent(true);
    label.SetFont(Font("Tahoma", 8.25, true));
    lblS.Put(k, label);
  }

  Timer4.on_tick = [this] { Timer4_Timer(); };
  TimerSHOW.on_tick = [this] { TimerSHOW_Timer(); };
}

Form2& Form1::Options() {
  if (!options_) {
    options_ = std::make_unique<Form2>(*this, module, system_);
    if (attach_) attach_(options_->window);
  }
  return *options_;
}

frmFILE& Form1::Files() {
  if (!files_) {
    Form2& options = Options();
    files_ = std::make_unique<frmFILE>(*this, options, module, system_);
    if (attach_) attach_(files_->window);
  }
  return *files_;
}

}  // namespace hc
