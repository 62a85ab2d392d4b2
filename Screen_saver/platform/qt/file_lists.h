#pragma once
// The drive, folder and file lists of a file chooser. The system says what drives and
// folders there are; the model holds what is chosen.

#include <QWidget>

#include "model/element.h"
#include "system.h"

namespace hc::qt {

class Session;

QWidget* MakeDriveList(DriveList& e, QWidget* parent, Session& session);
QWidget* MakeDirList(DirList& e, QWidget* parent, Session& session);
QWidget* MakeFileList(FileList& e, QWidget* parent, Session& session);

void SyncDriveList(const DriveList& e, QWidget& widget, System& system);
void SyncDirList(const DirList& e, QWidget& widget, System& system);
void SyncFileList(const FileList& e, QWidget& widget, System& system);

}  // namespace hc::qt
