#include "element_widgets.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

#include "convert.h"
#include "file_lists.h"
#include "surface.h"

namespace hc::qt {

namespace {

QWidget* MakeTextBox(TextBox& box, QWidget* parent, const Delivery& deliver, System& system) {
  auto* edit = new QLineEdit(parent);
  edit->setAutoFillBackground(true);
  // textEdited comes from typing only, so text set from the model never loops back.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&box, &deliver, &system, edit] {
    deliver.Edit(box, edit->text().toStdString());
    // A refused edit changes nothing in the model; the box shows the model's text again.
    SyncWidget(box, *edit, system);
  });
  return edit;
}

// A click anywhere on the element counts, not only on its mark and its text. A caption
// longer than its box goes on in more lines where the box has room for them, as the
// system's own option buttons and check boxes do; the toolkit's would cut it.
template <class QtButton>
class WholeAreaButton : public QtButton {
 public:
  using QtButton::QtButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

  void paintEvent(QPaintEvent*) override {
    constexpr bool kOption = std::is_same_v<QtButton, QRadioButton>;
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(kOption ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, option);
    option.text = caption;
    const QRect room = this->style()->subElementRect(
        kOption ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, this);
    painter.setPen(this->palette().color(this->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                         QPalette::WindowText));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
  }
};

// Option buttons and check boxes: the model decides the new state, Qt's own toggling is undone.
template <class QtButton>
QWidget* MakeToggle(TextElement& e, QWidget* parent, const Delivery& deliver, System& system) {
  auto* button = new WholeAreaButton<QtButton>(parent);
  button->setAutoExclusive(false);
  // The element's back colour fills it, as it fills a frame around it; a button's own role
  // would paint the style's button colour instead.
  button->setBackgroundRole(QPalette::Window);
  button->setAutoFillBackground(true);
  QObject::connect(button, &QAbstractButton::clicked, button, [&e, &deliver, &system, button] {
    deliver.Click(e);
    SyncWidget(e, *button, system);
  });
  return button;
}

QWidget* MakeButton(Button& e, QWidget* parent, const Delivery& deliver) {
  auto* button = new QPushButton(parent);
  // Enter and Escape are routed by the window to the model's default and cancel buttons.
  button->setAutoDefault(false);
  QObject::connect(button, &QAbstractButton::clicked, button, [&e, &deliver] { deliver.Click(e); });
  return button;
}

void SyncText(const TextElement& e, QWidget& w, bool colours) {
  w.setFont(ToQFont(e.GetFont()));
  if (!colours) return;
  QPalette palette = w.palette();
  palette.setColor(QPalette::Window, ToQColor(e.BackColor()));
  palette.setColor(QPalette::WindowText, ToQColor(e.ForeColor()));
  palette.setColor(QPalette::Base, ToQColor(e.BackColor()));
  palette.setColor(QPalette::Text, ToQColor(e.ForeColor()));
  w.setPalette(palette);
}

void SyncTextBox(const TextBox& box, QLineEdit& edit) {
  SyncText(box, edit, true);
  const QString text = QString::fromStdString(box.Text());
  // Setting the same text again would move the caret to the end while the user types.
  if (edit.text() != text) edit.setText(text);
  edit.setReadOnly(box.ReadOnly());
  edit.setFrame(box.Border());
  edit.setAlignment(HorizontalOf(box.Align()) | Qt::AlignVCenter);
}

Qt::CheckState CheckStateOf(int value) {
  switch (value) {
    case 1:
      return Qt::Checked;
    case 2:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

}  // namespace

QWidget* MakeWidget(Element& e, QWidget* parent, const Delivery& deliver, System& system) {
  QWidget* w = nullptr;
  switch (e.Kind()) {
    case ElementKind::kFrame:
    case ElementKind::kPictureBox:
      w = new Surface(e.Owner(), &e, deliver, {}, parent);
      break;
    case ElementKind::kTextBox:
      w = MakeTextBox(static_cast<TextBox&>(e), parent, deliver, system);
      break;
    case ElementKind::kOptionButton:
      w = MakeToggle<QRadioButton>(static_cast<TextElement&>(e), parent, deliver, system);
      break;
    case ElementKind::kCheckBox:
      w = MakeToggle<QCheckBox>(static_cast<TextElement&>(e), parent, deliver, system);
      break;
    case ElementKind::kButton:
      w = MakeButton(static_cast<Button&>(e), parent, deliver);
      break;
    case ElementKind::kDriveList:
      w = MakeDriveList(static_cast<DriveList&>(e), parent, deliver);
      break;
    case ElementKind::kDirList:
      w = MakeDirList(static_cast<DirList&>(e), parent, deliver);
      break;
    case ElementKind::kFileList:
      w = MakeFileList(static_cast<FileList&>(e), parent, deliver);
      break;
    default:
      return nullptr;
  }
  // A windowed element takes its own mouse input: nothing it leaves unhandled falls through
  // to the surface under it.
  w->setAttribute(Qt::WA_NoMousePropagation);
  return w;
}

void SyncWidget(Element& e, QWidget& widget, System& system) {
  widget.setGeometry(BoundsOf(e));
  widget.setEnabled(e.Enabled());
  switch (e.Kind()) {
    case ElementKind::kFrame:
    case ElementKind::kPictureBox:
      widget.update();
      break;
    case ElementKind::kTextBox:
      SyncTextBox(static_cast<const TextBox&>(e), static_cast<QLineEdit&>(widget));
      break;
    case ElementKind::kOptionButton: {
      const auto& option = static_cast<const OptionButton&>(e);
      auto& button = static_cast<QRadioButton&>(widget);
      SyncText(option, button, true);
      button.setText(DisplayText(option.Text()));
      button.setChecked(option.Value());
      break;
    }
    case ElementKind::kCheckBox: {
      const auto& box = static_cast<const CheckBox&>(e);
      auto& button = static_cast<QCheckBox&>(widget);
      SyncText(box, button, true);
      button.setText(DisplayText(box.Text()));
      // Greyed is shown only while the model holds it; a click never steps into it.
      button.setTristate(box.Value() == 2);
      button.setCheckState(CheckStateOf(box.Value()));
      break;
    }
    case ElementKind::kButton: {
      const auto& b = static_cast<const Button&>(e);
      SyncText(b, widget, false);
      static_cast<QPushButton&>(widget).setText(DisplayText(b.Text()));
      break;
    }
    case ElementKind::kDriveList:
      SyncDriveList(static_cast<const DriveList&>(e), widget, system);
      break;
    case ElementKind::kDirList:
      SyncDirList(static_cast<const DirList&>(e), widget, system);
      break;
    case ElementKind::kFileList:
      SyncFileList(static_cast<const FileList&>(e), widget, system);
      break;
    default:
      break;
  }
  widget.setVisible(e.Visible());
}

}  // namespace hc::qt
