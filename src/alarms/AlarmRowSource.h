#pragma once

#include <optional>

namespace horavine {

// The alarm editor's list rows as the save sees them: the check box of row i, or nothing when
// the list has no such row. Keeps the alarm file free of widgets.
class AlarmRowSource
{
public:
    virtual ~AlarmRowSource() = default;
    virtual std::optional<bool> rowChecked(int row) const = 0;
};

} // namespace horavine
