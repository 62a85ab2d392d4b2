#pragma once
// The drive, folder and file lists of a file chooser. The system says what drives and
// folders there are; the model holds what is chosen.

#include <QWidget>

#include "model/delivery.h"
#include "model/element.h"
#include "system.h"

namespace hc::qt {

QWidget* MakeDriveList(DriveList& e, QWidget* parent, const Delivery& deliver);
QWidget* MakeDirList(DirList& e, QWidget* parent, const Delivery& deliver);
QWidget* MakeFileList(FileList& e, QWidget* parent, const Delivery& deliver);

void SyncDriveList(const DriveList& e, QWidget& widget, System& system);
void SyncDirList(const DirList& e, QWidget& widget, System& system);
void SyncFileList(const FileList& e, QWidget& widget, System& system);

}  // namespace hc::qt
