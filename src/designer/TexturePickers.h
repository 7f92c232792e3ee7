#pragma once

// The texture editor's picture dialog; it can be replaced, so tests never open one. Its colour
// dialog is the designer's (ColorPicker.h).

#include "common/AppDir.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace horavine {

using TextureFilePicker = std::function<std::optional<QString>(const AppDir& appDir, QWidget* parent)>;

// An open-picture dialog for bitmaps, starting in the Textures folder: the chosen path, or nothing
// when cancelled.
std::optional<QString> PickTextureFile(const AppDir& appDir, QWidget* parent = nullptr);

// An empty function puts the real dialog back.
void SetTextureFilePicker(TextureFilePicker picker);

} // namespace horavine
