#pragma once

// The two common dialogs of the texture editor. Each can be replaced, so tests never open one.

#include "common/AppDir.h"
#include "face/ClockSkin.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace horavine {

using TextureFilePicker = std::function<std::optional<QString>(const AppDir& appDir, QWidget* parent)>;
using TextureColorPicker = std::function<std::optional<TColor>(TColor current, QWidget* parent)>;

// An open-picture dialog for bitmaps, starting in the Textures folder: the chosen path, or nothing
// when cancelled.
std::optional<QString> PickTextureFile(const AppDir& appDir, QWidget* parent = nullptr);
// A colour dialog starting at the given colour: the chosen one, or nothing when cancelled.
std::optional<TColor> PickTextureColor(TColor current, QWidget* parent = nullptr);

// An empty function puts the real dialog back.
void SetTextureFilePicker(TextureFilePicker picker);
void SetTextureColorPicker(TextureColorPicker picker);

} // namespace horavine
