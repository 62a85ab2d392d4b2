#pragma once
// The widgets of windowed elements. What the user does in them reaches the model as the
// model's own user actions; the widgets then follow the model, never the other way round.

#include <QWidget>

#include "model/delivery.h"
#include "model/element.h"
#include "system.h"

namespace hc::qt {

// A new widget for a windowed element, a child of its container's widget.
QWidget* MakeWidget(Element& e, QWidget* parent, const Delivery& deliver, System& system);

// Brings the widget in line with every property of the element.
void SyncWidget(Element& e, QWidget& widget, System& system);

}  // namespace hc::qt
