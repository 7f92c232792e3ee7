#pragma once

#include "face/ClockSkin.h"

#include <functional>
#include <optional>

class QWidget;

namespace horavine {

// The colour dialog: the chosen colour (0x00BBGGRR), or nothing when cancelled. Tests put a
// function in its place so no modal dialog opens.
std::optional<TColor> PickColor(QWidget* parent, TColor initial);
void SetColorPicker(std::function<std::optional<TColor>(TColor initial)> picker);

} // namespace horavine
