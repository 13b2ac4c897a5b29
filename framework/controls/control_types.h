#pragma once

#include <cstdint>
#include <functional>

#include "framework/values/object.h"

namespace bitcalc::framework {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A set of the ss* bits below.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;
inline constexpr TShiftState ssDouble = 64;

enum TCursor { crDefault, crArrow, crHandPoint, crIBeam, crSizeNS, crSizeWE };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBiDiMode { bdLeftToRight, bdRightToLeft };

// How the framework treats a control's mouse input and painting.
using TControlStyle = unsigned;
inline constexpr TControlStyle csCaptureMouse = 1;  // keeps the mouse while a button is down
inline constexpr TControlStyle csClickEvents = 2;   // a press and release over it make a click
inline constexpr TControlStyle csDoubleClicks = 4;  // a quick second press is a double click
inline constexpr TControlStyle csOpaque = 8;        // paints its whole area itself

// How assistive technology meets a control among its parent's children: as
// itself, not at all (a decoration that carries nothing), or through the Qt
// widget inside it, which then stands in the control's place.
enum TAccessiblePresence { apSelf, apHidden, apInner };

// Virtual key codes, as key events report them.
enum : std::uint16_t {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_INSERT = 45,
  VK_DELETE = 46,
  VK_F1 = 112,  // F2 to F24 follow in order
  VK_F2 = 113,
};

// Answers to the dialog-code query: which keys a focused control keeps
// for itself instead of letting the window use them for navigation.
inline constexpr unsigned DLGC_WANTARROWS = 1;
inline constexpr unsigned DLGC_WANTTAB = 2;
inline constexpr unsigned DLGC_WANTALLKEYS = 4;
inline constexpr unsigned DLGC_WANTCHARS = 0x80;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

}  // namespace bitcalc::framework
