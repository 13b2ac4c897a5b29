#pragma once

#include <cstdint>
#include <functional>

#include "framework/object.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = unsigned;  // a set of TShiftFlag bits

enum TCursor { crDefault, crArrow, crHandPoint, crIBeam, crSizeNS, crSizeWE };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBiDiMode { bdLeftToRight, bdRightToLeft };

// How the framework treats a control's mouse input.
enum TControlStyleFlag : unsigned {
  csCaptureMouse = 1,   // keeps the mouse while a button is down
  csClickEvents = 2,    // a press and release over the control make a click
  csDoubleClicks = 4,   // a quick second press is a double click, not a press
  csOpaque = 8,         // paints its whole area, nothing behind shows through
};
using TControlStyle = unsigned;

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
};

// Answers to the dialog-code query: which keys a focused control keeps
// for itself instead of letting the window use them for navigation.
enum TDialogCode : unsigned {
  DLGC_WANTARROWS = 1,
  DLGC_WANTTAB = 2,
  DLGC_WANTALLKEYS = 4,
  DLGC_WANTCHARS = 0x80,
};

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
