#pragma once
// The font chooser of the Linux backend: a face, a size and a colour, as the options dialog
// asks of the system's chooser; no style choice. Built from the toolkit's ordinary widgets
// so that it can open on a face that is not installed and keep it.

#include <QDialog>
#include <optional>
#include <utility>
#include <vector>

#include "system.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hc::qt {

class FontChooser : public QDialog {
 public:
  FontChooser(const FontChoice& initial, DialogLanguage language, QWidget* parent = nullptr);

  // What the user chose: the face as its box reads (a face that is not installed stays as
  // given), the size and the colour.
  FontChoice Choice() const;

  // The colours offered: the sixteen basic colours, and the initial one when it is none of them.
  static const std::vector<std::pair<Color, const char*>>& BasicColours();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillFaces(const QString& initial);
  void FillSizes(double initial);
  void FillColours(Color initial);
  // Selects the first entry of `list` that starts with `text`, without changing the text.
  static void SelectTypedAhead(QListWidget& list, const QString& text, bool whole);
  void ShowSample();
  std::optional<double> TypedSize() const;

  FontChoice initial_;
  DialogLanguage language_;
  QLineEdit* face_ = nullptr;
  QListWidget* faces_ = nullptr;
  QLineEdit* size_ = nullptr;
  QListWidget* sizes_ = nullptr;
  QCheckBox* strikeout_ = nullptr;
  QCheckBox* underline_ = nullptr;
  QComboBox* colour_ = nullptr;
  QLabel* sample_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace hc::qt
