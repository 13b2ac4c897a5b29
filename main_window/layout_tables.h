#pragma once

#include <array>
#include <string_view>

#include "framework/text/font.h"
#include "framework/values/color.h"
#include "framework/values/geometry.h"

namespace bitcalc::main_window {

// The window's stored layout as data: where every component stands and what
// it stores. The window builds itself from these tables; nothing here runs.

using framework::TColor;

// A font of its own; Name nullptr means the window's font.
struct TFontSpec {
  const char* Name;
  int Height;
  framework::TFontStyles Style;
  TColor Color;
};

inline constexpr TFontSpec kWindowFont{nullptr, 0, 0, 0};
inline constexpr TFontSpec kArial32BoldRed{"Arial", -32, framework::fsBold, framework::clRed};
inline constexpr TFontSpec kArial13{"Arial", -13, 0, framework::clWindowText};
inline constexpr TFontSpec kArial15{"Arial", -15, 0, framework::clWindowText};
inline constexpr TFontSpec kArial19Bold{"Arial", -19, framework::fsBold, framework::clWindowText};
inline constexpr TFontSpec kArial19BoldBlue{"Arial", -19, framework::fsBold, framework::clBlue};
inline constexpr TFontSpec kArial21Bold{"Arial", -21, framework::fsBold, framework::clWindowText};
inline constexpr TFontSpec kArial21BoldBlue{"Arial", -21, framework::fsBold, framework::clBlue};
inline constexpr TFontSpec kArial21BoldMaroon{"Arial", -21, framework::fsBold, framework::clMaroon};
inline constexpr TFontSpec kSans16Bold{"MS Sans Serif", -16, framework::fsBold,
                                       framework::clWindowText};
inline constexpr TFontSpec kSans13{"MS Sans Serif", -13, 0, framework::clWindowText};
inline constexpr TFontSpec kSans16{"MS Sans Serif", -16, 0, framework::clWindowText};
inline constexpr TFontSpec kTahoma8{"Tahoma", -11, 0, framework::clWindowText};
inline constexpr TFontSpec kSans13Bold{"MS Sans Serif", -13, framework::fsBold,
                                       framework::clWindowText};

// The graphic components, in painting order (first at the back). A run names
// components First..Last of one kind.
enum class TPiece { Shape, Switch, Label, Led, Gradient };
struct TPaintRun {
  TPiece Piece;
  int First;
  int Last;
};
extern const std::array<TPaintRun, 50> kPaintingOrder;

// Shape k is kShapes[k - 1]: white, black one-pixel frame.
extern const std::array<framework::TRect, 11> kShapes;

// Switch x positions by bit within a byte, bit 0 first, and the four rows of
// eight switches: switches First..First+7 hold bits FirstBit.. of an operand.
inline constexpr std::array<int, 8> kLowByteSwitchX{288, 272, 256, 240, 224, 208, 192, 176};
inline constexpr std::array<int, 8> kHighByteSwitchX{152, 136, 120, 104, 88, 72, 56, 40};
struct TSwitchRow {
  int First;
  int FirstBit;
  int Top;
};
inline constexpr std::array<TSwitchRow, 4> kSwitchRows{{
    {1, 0, 8},    // A bits 0-7
    {9, 8, 8},    // A bits 8-15
    {17, 0, 96},  // B bits 0-7
    {25, 8, 96},  // B bits 8-15
}};

// LED k stands at kLedX[k - 1]: result bit k - 1.
inline constexpr std::array<int, 16> kLedX{552, 528, 504, 480, 456, 432, 408, 384,
                                           344, 320, 296, 272, 248, 224, 200, 176};
inline constexpr int kLedTop = 160;

// Label k is kLabels[k - 1]. Readouts store a placeholder the first
// evaluation replaces before the window shows.
struct TLabelSpec {
  int Left;
  int Top;
  std::string_view Caption;
  const TFontSpec* Font;
};
extern const std::array<TLabelSpec, 27> kLabels;

// Gradient label k is kGradientLabels[k - 1].
enum class TScheme { Nibble, Byte };
struct TGradientSpec {
  framework::TRect Bounds;
  TScheme Scheme;
  const TFontSpec* Font;
  bool Centred;  // Layout tlCenter, else tlTop
};
extern const std::array<TGradientSpec, 12> kGradientLabels;
inline constexpr TColor kNibbleColor = 8454143;   // RGB 255, 255, 128
inline constexpr TColor kNibbleColorTo = 52942;   // RGB 206, 206, 0
inline constexpr TColor kByteColor = 16777088;    // RGB 128, 255, 255
inline constexpr TColor kByteColorTo = 16744448;  // RGB 0, 128, 255

// The four fields, in the order of their numbers 1, 2, 4, 5.
struct TFieldSpec {
  int Number;
  framework::TRect Bounds;
  bool Hex;
  bool AutoSize;
  int MaxLength;
  TColor Color;
  const TFontSpec* Font;
  int TabOrder;
  const char* AccessibleName;  // English; the window translates it
};
inline constexpr TColor kOperandAFieldColor = 8454143;  // RGB 255, 255, 128
extern const std::array<TFieldSpec, 4> kFields;

// Button k is kButtons[k - 1].
struct TButtonSpec {
  framework::TRect Bounds;
  std::string_view Caption;
  const TFontSpec* Font;
  int TabOrder;
  const char* AccessibleName;  // what the button does, for a screen reader, in English
};
extern const std::array<TButtonSpec, 11> kButtons;

// Selector asK is kSelectors[K - 1].
struct TSelectorSpec {
  int Left;
  int Top;
  int TabOrder;
  const char* AccessibleName;  // English; the window translates it
};
extern const std::array<TSelectorSpec, 4> kSelectors;

inline constexpr framework::TRect kTrackBarBounds{8, 156, 57, 289};
inline constexpr int kTrackBarTabOrder = 4;
// The label naming the operation at each track-bar position: Label20 (A DIV
// B) at 0 up to Label5 (NOT A) at 7.
inline constexpr std::array<int, 8> kOperationLabels{20, 19, 10, 11, 9, 7, 6, 5};

inline constexpr int kClientWidth = 645;
inline constexpr int kClientHeight = 324;
inline constexpr TColor kWindowColor = 4210816;  // RGB 128, 64, 64

}  // namespace bitcalc::main_window
