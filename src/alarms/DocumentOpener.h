#pragma once

#include <QString>

namespace horavine {

// Hands a document to the desktop to be opened with its associated program, returning at once.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QString& path) = 0; // false when the desktop refused
};

} // namespace horavine
