#pragma once
// The drive, folder and file lists of a file chooser, for the controls. The system says
// what drives and folders there are; the model holds what is chosen. Include after
// <windows.h>.

#include "controls.h"

namespace hc::win32 {

// A list control made for `e`: it shows nothing yet, whatever a destroyed control with
// the same handle showed.
void StartList(const Element& e, HWND list);

void SyncDriveList(const DriveList& e, HWND combo, System& system);
void SyncDirList(const DirList& e, HWND list, System& system);
void SyncFileList(const FileList& e, HWND list, System& system);

void DriveListNotified(DriveList& e, HWND combo, int code, const Delivery& delivery,
                       System& system);
void DirListNotified(DirList& e, HWND list, int code, const Delivery& delivery,
                     const PutOff& later);
void FileListNotified(FileList& e, HWND list, int code, const Delivery& delivery);

}  // namespace hc::win32
