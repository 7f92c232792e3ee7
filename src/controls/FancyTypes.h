#pragma once

// Kinds and colours shared by the fancy button and its two settings objects.

#include "face/ClockSkin.h"

namespace horavine {

enum TBtnShape : int { btnCapsule = 0, btnOval, btnRectangle };
enum TFrameStyle : int { fmNone = 0, fmGradient };
enum TTextStyle : int { txNone = 0, txLowered, txRaised, txShadowed };
enum TBmpLayout : int { lyLeft = 0, lyTop, lyRight, lyBottom, lyCenter };

// Plain colours, 0x00BBGGRR.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clBlue = 0xFF0000;

// System colours: 0x80000000 | index, resolved against the application palette by ResolveColor.
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;

} // namespace horavine
