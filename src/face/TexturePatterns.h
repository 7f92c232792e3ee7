#pragma once

// The twenty numbered textures of the face overlay: 0..7 are plain brush styles, 8..19 the twelve
// small two-colour pattern pictures, which are generated here rather than shipped as files.

#include <QImage>
#include <QString>
#include <QStringList>

namespace horavine {

inline constexpr int kPatternCount = 20; // pattern numbers 0..19
inline constexpr int kFirstPatternPicture = 8; // pattern number of LoadPattern(0)
inline constexpr int kPatternPictureCount = 12;
inline constexpr int kPatternPictureSize = 16;

// The texture editor's name of a pattern number ("Solid" ... "Diag. Cross small"); empty outside 0..19.
QString PatternName(int number);
QStringList PatternNames(); // all twenty, in number order

// Pattern picture index 0..11 (pattern number index + 8): 16 x 16, one bit per pixel, colour 0 white
// background and colour 1 black ink. Any other index gives a null image.
QImage LoadPattern(int index);

} // namespace horavine
