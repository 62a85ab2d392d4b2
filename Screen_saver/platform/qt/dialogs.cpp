#include "dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

#include "convert.h"
#include "font_chooser.h"

namespace hc::qt {

MsgResult ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) {
  const bool with_cancel = buttons == MsgButtons::kOkCancel;
  QMessageBox box(icon == MsgIcon::kInformation ? QMessageBox::Information : QMessageBox::NoIcon,
                  QString::fromStdString(title), DisplayText(text),
                  with_cancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  // Closing the box is its Cancel button when it has one, otherwise its OK button.
  box.setEscapeButton(with_cancel ? QMessageBox::Cancel : QMessageBox::Ok);
  box.exec();
  const QAbstractButton* pressed = box.clickedButton();
  if (with_cancel && pressed != box.button(QMessageBox::Ok)) return MsgResult::kCancel;
  return MsgResult::kOk;
}

std::optional<Color> PickColor(Color initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial));
  if (!chosen.isValid()) return std::nullopt;
  return Rgb(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<FontChoice> PickFont(const FontChoice& initial, DialogLanguage language) {
  FontChooser chooser(initial, language, QApplication::activeWindow());
  chooser.setWindowModality(Qt::ApplicationModal);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.Choice();
}

}  // namespace hc::qt
