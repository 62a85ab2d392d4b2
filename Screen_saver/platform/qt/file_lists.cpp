#include "file_lists.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include "files.h"
#include "paths.h"

namespace hc::qt {

namespace {

// What a list shows, so that a change of size or colour does not read the disk again.
constexpr char kShown[] = "hc_shown";

bool AlreadyShown(QWidget& w, const QString& what) {
  if (w.property(kShown).toString() == what) return true;
  w.setProperty(kShown, what);
  return false;
}

void ChooseFile(FileList& e, const QListWidgetItem* item) {
  e.SetFileName(item ? item->text().toStdString() : std::string());
  e.UserClick();
}

}  // namespace

QWidget* MakeDriveList(DriveList& e, QWidget* parent, const Delivery& deliver) {
  auto* combo = new QComboBox(parent);
  QObject::connect(combo, &QComboBox::activated, combo, [&e, &deliver, combo](int index) {
    const std::string drive = combo->itemText(index).toStdString();
    deliver.Run([&e, &drive] { e.SetDrive(drive); });
  });
  return combo;
}

QWidget* MakeDirList(DirList& e, QWidget* parent, const Delivery& deliver) {
  auto* list = new QListWidget(parent);
  // Opening a folder takes a double click. The list is rebuilt for the new folder, so
  // that waits until the view has finished with the item clicked.
  QObject::connect(
      list, &QListWidget::itemDoubleClicked, list, [&e, &deliver, list](QListWidgetItem* item) {
        const std::string path = item->data(Qt::UserRole).toString().toStdString();
        QTimer::singleShot(0, list,
                           [&e, &deliver, path] { deliver.Run([&e, &path] { e.SetPath(path); }); });
      });
  return list;
}

QWidget* MakeFileList(FileList& e, QWidget* parent, const Delivery& deliver) {
  auto* list = new QListWidget(parent);
  // Keys move the choice at once; the mouse chooses on release, through itemClicked.
  QObject::connect(list, &QListWidget::currentItemChanged, list,
                   [&e, &deliver](QListWidgetItem* item) {
                     if (!item || QApplication::mouseButtons() != Qt::NoButton) return;
                     deliver.Run([&e, item] { ChooseFile(e, item); });
                   });
  QObject::connect(list, &QListWidget::itemClicked, list, [&e, &deliver](QListWidgetItem* item) {
    deliver.Run([&e, item] { ChooseFile(e, item); });
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                   [&e, &deliver](QListWidgetItem* item) {
                     deliver.Run([&e, item] {
                       e.SetFileName(item->text().toStdString());
                       if (e.on_double_click) e.on_double_click();
                     });
                   });
  return list;
}

void SyncDriveList(const DriveList& e, QWidget& widget, System& system) {
  auto& combo = static_cast<QComboBox&>(widget);
  const QSignalBlocker quiet(combo);
  if (combo.count() == 0)
    for (const auto& d : system.Drives()) combo.addItem(QString::fromStdString(d));
  const QString drive = QString::fromStdString(e.Drive());
  int index = combo.findText(drive);
  if (index < 0 && !drive.isEmpty()) {
    combo.addItem(drive);
    index = combo.count() - 1;
  }
  combo.setCurrentIndex(index);
}

void SyncDirList(const DirList& e, QWidget& widget, System& system) {
  auto& list = static_cast<QListWidget&>(widget);
  if (AlreadyShown(list, QString::fromStdString(e.Path()))) return;
  const QSignalBlocker quiet(list);
  list.clear();
  if (e.Path().empty()) return;
  const QIcon open = list.style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = list.style()->standardIcon(QStyle::SP_DirIcon);
  const std::string separator = system.PathSeparator();
  const auto add = [&list, &separator](const std::string& path, int depth, const QIcon& icon) {
    const QString name = QString::fromStdString(LastPart(path, separator));
    auto* item = new QListWidgetItem(icon, QString(2 * depth, QLatin1Char(' ')) + name);
    item->setData(Qt::UserRole, QString::fromStdString(path));
    list.addItem(item);
    return item;
  };
  const auto chain = FolderChain(e.Path(), separator);
  QListWidgetItem* current = nullptr;
  for (std::size_t depth = 0; depth < chain.size(); ++depth)
    current = add(chain[depth], static_cast<int>(depth), open);
  for (const auto& name : system.SubFolders(e.Path()))
    add(JoinPath(e.Path(), name, separator), static_cast<int>(chain.size()), closed);
  list.setCurrentItem(current);
}

void SyncFileList(const FileList& e, QWidget& widget, System& system) {
  auto& list = static_cast<QListWidget&>(widget);
  const QSignalBlocker quiet(list);
  const QString shown = QString::fromStdString(e.Path() + "\n" + e.Pattern());
  if (!AlreadyShown(list, shown)) {
    list.clear();
    if (!e.Path().empty())
      for (const auto& name : system.ListFiles(JoinPath(e.Path(), "", system.PathSeparator())))
        if (files::MatchesPattern(name, e.Pattern())) list.addItem(QString::fromStdString(name));
  }
  const auto found = list.findItems(QString::fromStdString(e.FileName()), Qt::MatchExactly);
  list.setCurrentItem(e.FileName().empty() || found.isEmpty() ? nullptr : found.front());
}

}  // namespace hc::qt
