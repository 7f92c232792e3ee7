#pragma once

// The named fields of TClockSkin as a table, so tools can show and change a record field by
// field by name without knowing its layout.

#include "face/ClockSkin.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

namespace horavine {

enum class SkinFieldKind { Color, Int32, Byte, Text };

struct SkinField
{
    const char* name;
    SkinFieldKind kind;
    std::size_t offset;
    int capacity; // Text only
};

std::span<const SkinField> SkinFieldTable();
// Case-insensitive lookup; nullptr when no field has that name.
const SkinField* FindSkinField(QStringView name);

// Colours are shown as "#RRGGBB" ("#TTRRGGBB" when the top byte is not zero, so nothing is lost).
QString ColorToText(TColor color);
std::optional<TColor> ColorFromText(const QString& text);

qint64 SkinFieldNumber(const TClockSkin& skin, const SkinField& field); // Color, Int32, Byte
QString SkinFieldString(const TClockSkin& skin, const SkinField& field); // Text
// Sets a field from its text form: "#RRGGBB" for colours, decimal for numbers, text cut to the
// capacity for strings. Returns an error message (naming the field) or an empty string.
QString SetSkinFieldFromText(TClockSkin& skin, const SkinField& field, const QString& value);

} // namespace horavine
