#pragma once

#include <QString>

namespace horavine {

// Problems a face build must show the user. The clock shows a message box, the command-line
// tool prints a warning, tests record them.
class FaceMessages
{
public:
    virtual ~FaceMessages() = default;
    virtual void textureNotFound(const QString& text) = 0; // text is "Texture file not found."
};

} // namespace horavine
