#include "designer/ColorPicker.h"

#include "face/FaceColors.h"

#include <QColorDialog>

namespace horavine {

namespace {
std::function<std::optional<TColor>(TColor)>& Picker()
{
    static std::function<std::optional<TColor>(TColor)> picker;
    return picker;
}
} // namespace

std::optional<TColor> PickColor(QWidget* parent, TColor initial)
{
    if (Picker())
        return Picker()(initial);
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(ToQRgb(initial)), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQRgb(chosen.rgb());
}

void SetColorPicker(std::function<std::optional<TColor>(TColor)> picker)
{
    Picker() = std::move(picker);
}

} // namespace horavine
