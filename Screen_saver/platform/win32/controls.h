#pragma once
// Native controls for the windowed elements that are not surfaces: text boxes, option
// buttons, check boxes, buttons and the drive, folder and file lists. What the user does in
// them reaches the model as the model's own user actions; the controls then follow the
// model, never the other way round.

#include <windows.h>

#include <functional>

#include "model/delivery.h"
#include "model/element.h"
#include "system.h"

namespace hc::win32 {

// Runs work once the message being handled is done: a list rebuilt under the item just
// double-clicked would pull it away from the control still handling the click.
using PutOff = std::function<void(std::function<void()>)>;

// A new child control of `parent` for the element, hidden until synced; null for kinds
// that are no controls (frames and picture boxes are surfaces, drawn elements have none).
HWND MakeControl(Element& e, HWND parent);

// Brings the control in line with every property of the element: place, size, text,
// font, state, enabled and visible.
void SyncControl(Element& e, HWND control, System& system);

// A notification the control sent its parent (the code of WM_COMMAND) reaches the model
// through `delivery`; opening a folder waits for `later`.
void ControlNotified(Element& e, HWND control, int code, const Delivery& delivery,
                     const PutOff& later, System& system);

// The colours a control of the element is painted in (WM_CTLCOLOR...); null for the
// system's own.
HBRUSH ControlColours(const Element& e, HDC dc);

}  // namespace hc::win32
