#include "font_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "convert.h"
#include "model/font.h"
#include "number_text.h"

namespace hc::qt {

namespace {

// The sizes a chooser lists; any other may be typed.
constexpr int kListedSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr double kLargestSize = 1638;

struct Captions {
  const char* title;
  const char* face;
  const char* size;
  const char* effects;
  const char* strikeout;
  const char* underline;
  const char* colour;
  const char* sample_box;
  const char* sample;
  const char* ok;
  const char* cancel;
  const char* custom;
};

constexpr Captions kEnglish = {"Font",       "&Font:",     "&Size:",  "Effects",
                               "Stri&keout", "&Underline", "&Color:", "Sample",
                               "AaBbYyZz",   "OK",         "Cancel",  "Custom"};
constexpr Captions kRussian = {
    "Шрифт",   "&Шрифт:",  "&Размер:", "Видоизменение", "&Зачеркнутый", "&Подчеркнутый", "&Цвет:",
    "Образец", "AaBbАаБб", "ОК",       "Отмена",        "Другой"};

const Captions& CaptionsFor(DialogLanguage language) {
  return language == DialogLanguage::kRussian ? kRussian : kEnglish;
}

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QIcon Swatch(Color colour) {
  QPixmap pixmap(24, 12);
  pixmap.fill(ToQColor(colour));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, 23, 11);
  return QIcon(pixmap);
}

QString SizeText(double points) {
  return QString::fromStdString(FormatFontSize(points, '.'));
}

}  // namespace

const std::vector<std::pair<Color, const char*>>& FontChooser::BasicColours() {
  static const std::vector<std::pair<Color, const char*>> colours = {
      {Rgb(0, 0, 0), "Black"},       {Rgb(128, 0, 0), "Maroon"},    {Rgb(0, 128, 0), "Green"},
      {Rgb(128, 128, 0), "Olive"},   {Rgb(0, 0, 128), "Navy"},      {Rgb(128, 0, 128), "Purple"},
      {Rgb(0, 128, 128), "Teal"},    {Rgb(128, 128, 128), "Gray"},  {Rgb(192, 192, 192), "Silver"},
      {Rgb(255, 0, 0), "Red"},       {Rgb(0, 255, 0), "Lime"},      {Rgb(255, 255, 0), "Yellow"},
      {Rgb(0, 0, 255), "Blue"},      {Rgb(255, 0, 255), "Fuchsia"}, {Rgb(0, 255, 255), "Aqua"},
      {Rgb(255, 255, 255), "White"},
  };
  return colours;
}

FontChooser::FontChooser(const FontChoice& initial, DialogLanguage language, QWidget* parent)
    : QDialog(parent), initial_(initial), language_(language) {
  const Captions& c = CaptionsFor(language);
  setWindowTitle(Text(c.title));
  setObjectName("FontChooser");

  face_ = new QLineEdit(this);
  face_->setObjectName("face");
  faces_ = new QListWidget(this);
  faces_->setObjectName("faces");
  size_ = new QLineEdit(this);
  size_->setObjectName("size");
  sizes_ = new QListWidget(this);
  sizes_->setObjectName("sizes");
  sizes_->setMaximumWidth(90);
  size_->setMaximumWidth(90);

  auto* face_label = new QLabel(Text(c.face), this);
  face_label->setBuddy(face_);
  auto* size_label = new QLabel(Text(c.size), this);
  size_label->setBuddy(size_);

  auto* effects = new QGroupBox(Text(c.effects), this);
  strikeout_ = new QCheckBox(Text(c.strikeout), effects);
  strikeout_->setObjectName("strikeout");
  underline_ = new QCheckBox(Text(c.underline), effects);
  underline_->setObjectName("underline");
  colour_ = new QComboBox(effects);
  colour_->setObjectName("colour");
  auto* colour_label = new QLabel(Text(c.colour), effects);
  colour_label->setBuddy(colour_);
  auto* effects_layout = new QVBoxLayout(effects);
  effects_layout->addWidget(strikeout_);
  effects_layout->addWidget(underline_);
  effects_layout->addWidget(colour_label);
  effects_layout->addWidget(colour_);

  auto* sample_box = new QGroupBox(Text(c.sample_box), this);
  sample_ = new QLabel(Text(c.sample), sample_box);
  sample_->setObjectName("sample");
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumSize(180, 60);
  auto* sample_layout = new QVBoxLayout(sample_box);
  sample_layout->addWidget(sample_);

  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  ok_ = buttons->addButton(Text(c.ok), QDialogButtonBox::AcceptRole);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  QPushButton* cancel = buttons->addButton(Text(c.cancel), QDialogButtonBox::RejectRole);
  cancel->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(face_label, 0, 0);
  grid->addWidget(size_label, 0, 1);
  grid->addWidget(face_, 1, 0);
  grid->addWidget(size_, 1, 1);
  grid->addWidget(faces_, 2, 0);
  grid->addWidget(sizes_, 2, 1);
  grid->addWidget(buttons, 1, 2, 2, 1, Qt::AlignTop);
  grid->addWidget(effects, 3, 0);
  grid->addWidget(sample_box, 3, 1, 1, 2);

  FillFaces(QString::fromStdString(initial.name));
  FillSizes(initial.size);
  FillColours(initial.color);
  // The arrow keys in a box move through the list below it, as in the desktop's choosers.
  face_->installEventFilter(this);
  size_->installEventFilter(this);

  connect(faces_, &QListWidget::itemClicked, this,
          [this](const QListWidgetItem* item) { face_->setText(item->text()); });
  connect(sizes_, &QListWidget::itemClicked, this,
          [this](const QListWidgetItem* item) { size_->setText(item->text()); });
  connect(faces_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
    // The user's own moves through the list change the box; picking made by typing does not.
    if (!text.isEmpty() && faces_->hasFocus()) face_->setText(text);
    ShowSample();
  });
  connect(face_, &QLineEdit::textEdited, this,
          [this](const QString& text) { SelectTypedAhead(*faces_, text, false); });
  connect(face_, &QLineEdit::textChanged, this, [this] { ShowSample(); });
  connect(sizes_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
    if (!text.isEmpty() && sizes_->hasFocus()) size_->setText(text);
  });
  connect(size_, &QLineEdit::textEdited, this,
          [this](const QString& text) { SelectTypedAhead(*sizes_, text, true); });
  connect(size_, &QLineEdit::textChanged, this, [this] {
    // Only a size the font can take may be chosen.
    ok_->setEnabled(TypedSize().has_value());
    ShowSample();
  });
  for (QCheckBox* box : {strikeout_, underline_})
    connect(box, &QCheckBox::toggled, this, [this] { ShowSample(); });
  connect(colour_, &QComboBox::currentIndexChanged, this, [this] { ShowSample(); });
  ShowSample();
  face_->setFocus();
  face_->selectAll();
}

void FontChooser::FillFaces(const QString& initial) {
  for (const QString& family : QFontDatabase::families())
    if (!QFontDatabase::isPrivateFamily(family)) faces_->addItem(family);
  face_->setText(initial);
  // A face that is not installed is shown by its name alone, with nothing in the list picked.
  SelectTypedAhead(*faces_, initial, true);
}

void FontChooser::FillSizes(double initial) {
  for (const int size : kListedSizes) sizes_->addItem(QString::number(size));
  size_->setText(SizeText(initial));
  SelectTypedAhead(*sizes_, size_->text(), true);
}

void FontChooser::FillColours(Color initial) {
  for (const auto& [colour, name] : BasicColours())
    colour_->addItem(Swatch(colour), Text(name), QVariant::fromValue(static_cast<uint>(colour)));
  int index = colour_->findData(QVariant::fromValue(static_cast<uint>(initial)));
  if (index < 0) {
    colour_->addItem(Swatch(initial), Text(CaptionsFor(language_).custom),
                     QVariant::fromValue(static_cast<uint>(initial)));
    index = colour_->count() - 1;
  }
  colour_->setCurrentIndex(index);
}

void FontChooser::SelectTypedAhead(QListWidget& list, const QString& text, bool whole) {
  const QSignalBlocker quiet(list);
  const QString typed = text.trimmed();
  const auto found =
      typed.isEmpty() ? QList<QListWidgetItem*>()
                      : list.findItems(typed, whole ? Qt::MatchFixedString : Qt::MatchStartsWith);
  if (!found.isEmpty()) {
    list.setCurrentItem(found.front());
    list.scrollToItem(found.front());
    return;
  }
  if (!whole) return;
  // Nothing in the list is what the box says, and nothing is picked. The list still stands
  // where the name would be, or taking the focus would pick its first entry for the user.
  list.clearSelection();
  int row = 0;
  while (row + 1 < list.count() && list.item(row)->text().compare(typed, Qt::CaseInsensitive) < 0)
    ++row;
  if (list.count() > 0) {
    list.selectionModel()->setCurrentIndex(list.model()->index(row, 0),
                                           QItemSelectionModel::NoUpdate);
    list.scrollToItem(list.item(row));
  }
}

bool FontChooser::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool moves = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                       key == Qt::Key_PageDown;
    QListWidget* list = watched == face_ ? faces_ : watched == size_ ? sizes_ : nullptr;
    if (moves && list && list->count() > 0) {
      const int page = std::max(1, list->height() / std::max(1, list->sizeHintForRow(0)));
      const int step = key == Qt::Key_Up       ? -1
                       : key == Qt::Key_Down   ? 1
                       : key == Qt::Key_PageUp ? -page
                                               : page;
      const int row = std::clamp(list->currentRow() + step, 0, list->count() - 1);
      list->setCurrentRow(row);
      static_cast<QLineEdit*>(watched)->setText(list->item(row)->text());
      static_cast<QLineEdit*>(watched)->selectAll();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<double> FontChooser::TypedSize() const {
  const auto size = ParseNumber(size_->text().toStdString(), '.');
  if (!size || *size <= 0 || *size > kLargestSize) return std::nullopt;
  return size;
}

void FontChooser::ShowSample() {
  QFont font(face_->text().trimmed());
  font.setPointSizeF(TypedSize().value_or(initial_.size > 0 ? initial_.size : 8.25));
  font.setUnderline(underline_->isChecked());
  font.setStrikeOut(strikeout_->isChecked());
  // A large size is shown as large as the sample's box holds, whole.
  const QRect room = sample_->contentsRect().adjusted(4, 2, -4, -2);
  const QFontMetricsF metrics(font);
  const double scale =
      std::min({1.0, room.width() / std::max(1.0, metrics.horizontalAdvance(sample_->text())),
                room.height() / std::max(1.0, metrics.height())});
  if (scale < 1) font.setPointSizeF(std::max(1.0, font.pointSizeF() * scale));
  sample_->setFont(font);
  QPalette palette = sample_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(Choice().color));
  sample_->setPalette(palette);
}

FontChoice FontChooser::Choice() const {
  FontChoice chosen = initial_;
  const QString face = face_->text().trimmed();
  if (!face.isEmpty()) chosen.name = face.toStdString();
  if (const auto size = TypedSize()) chosen.size = EffectiveFontSize(*size);
  if (colour_->currentIndex() >= 0)
    chosen.color = static_cast<Color>(colour_->currentData().toUInt());
  return chosen;
}

}  // namespace hc::qt
