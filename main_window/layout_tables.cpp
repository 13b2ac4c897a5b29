#include "main_window/layout_tables.h"

#include <QtGlobal>

namespace bitcalc::main_window {

using enum TPiece;
using framework::clWindow;

const std::array<TPaintRun, 50> kPaintingOrder{{
    {Shape, 4, 4},    {Shape, 6, 6},    {Shape, 1, 1},     {Shape, 5, 5},    {Switch, 1, 16},
    {Label, 8, 8},    {Label, 1, 1},    {Label, 14, 14},   {Label, 2, 2},    {Label, 3, 3},
    {Label, 4, 4},    {Label, 5, 5},    {Label, 6, 6},     {Label, 7, 7},    {Label, 9, 9},
    {Label, 10, 10},  {Label, 11, 11},  {Led, 1, 8},       {Label, 12, 12},  {Shape, 2, 2},
    {Shape, 3, 3},    {Label, 13, 13},  {Label, 15, 15},   {Switch, 17, 24}, {Label, 16, 16},
    {Switch, 25, 32}, {Label, 17, 17},  {Gradient, 2, 2},  {Gradient, 3, 3}, {Gradient, 1, 1},
    {Gradient, 4, 4}, {Gradient, 5, 5}, {Gradient, 6, 6},  {Led, 9, 16},     {Label, 18, 18},
    {Label, 19, 19},  {Label, 20, 20},  {Gradient, 7, 12}, {Shape, 7, 7},    {Label, 22, 22},
    {Shape, 8, 8},    {Label, 23, 23},  {Shape, 9, 9},     {Label, 24, 24},  {Shape, 10, 10},
    {Label, 25, 25},  {Shape, 11, 11},  {Label, 21, 21},   {Label, 26, 26},  {Label, 27, 27},
}};

// Bounds as Left, Top, Right, Bottom.
const std::array<framework::TRect, 11> kShapes{{
    {152, 160, 593, 257},  // Shape1: LEDs and result readouts
    {296, 256, 441, 289},  // Shape2: behind the result in hexadecimal
    {152, 256, 297, 289},  // Shape3: behind the result in decimal
    {8, 152, 641, 297},    // Shape4: operation and result area
    {8, 2, 641, 91},       // Shape5: operand A area
    {8, 90, 641, 145},     // Shape6: operand B area
    {600, 10, 625, 37},    // Shape7: A's low character
    {560, 10, 585, 37},    // Shape8: A's high character
    {560, 98, 585, 125},   // Shape9: B's high character
    {600, 98, 625, 125},   // Shape10: B's low character
    {440, 256, 593, 289},  // Shape11: the result's characters
}};

namespace {
constexpr std::string_view kLowBitsCaption = " 7    6   5   4    3   2    1   0";
constexpr std::string_view kHighBitsCaption = "15 14  13 12  11 10   9   8";
}  // namespace

const std::array<TLabelSpec, 27> kLabels{{
    {176, 128, kLowBitsCaption, &kWindowFont},                                  // Label1
    {12, 96, "B", &kArial32BoldRed},                                            // Label2
    {368, 40, "Decimal                      Hex                        Ascii",  // Label3
     &kWindowFont},
    {368, 128, "Decimal                      Hex                       Ascii",  // Label4
     &kWindowFont},
    {64, 160, "NOT A", &kArial13},                                  // Label5
    {64, 176, "A AND B", &kArial13},                                // Label6
    {64, 192, "A OR B", &kArial13},                                 // Label7
    {176, 40, kLowBitsCaption, &kWindowFont},                       // Label8
    {64, 208, "A XOR B", &kArial13},                                // Label9
    {64, 240, "A SUB B", &kArial13},                                // Label10
    {64, 224, "A ADD B", &kArial13},                                // Label11
    {390, 188, "7    6    5    4    3    2    1    0", &kArial15},  // Label12
    {160, 262, "Label13", &kArial21Bold},                           // Label13
    {12, 8, "A", &kArial32BoldRed},                                 // Label14
    {304, 262, "Label15", &kArial21BoldBlue},                       // Label15
    {40, 40, kHighBitsCaption, &kWindowFont},                       // Label16
    {40, 128, kHighBitsCaption, &kWindowFont},                      // Label17
    {178, 188, "15  14  13  12  11  10   9    8", &kArial15},       // Label18
    {64, 256, "A MOD B", &kArial13},                                // Label19
    {64, 272, "A DIV B", &kArial13},                                // Label20
    {480, 262, "aa", &kArial21BoldMaroon},                          // Label21
    {602, 14, "G", &kSans16Bold},                                   // Label22
    {562, 14, "G", &kSans16Bold},                                   // Label23
    {562, 102, "G", &kSans16Bold},                                  // Label24
    {602, 102, "G", &kSans16Bold},                                  // Label25
    {448, 270, "Ascii", &kWindowFont},                              // Label26
    {312, 70, "Label27", &kSans13},                                 // Label27
}};

const std::array<TGradientSpec, 12> kGradientLabels{{
    {{240, 56, 305, 70}, TScheme::Nibble, &kWindowFont, false},  // A bits 0-3
    {{176, 56, 241, 70}, TScheme::Nibble, &kWindowFont, false},  // A bits 4-7
    {{176, 70, 305, 84}, TScheme::Byte, &kWindowFont, true},     // A bits 0-7
    {{104, 56, 169, 70}, TScheme::Nibble, &kWindowFont, false},  // A bits 8-11
    {{40, 70, 169, 84}, TScheme::Byte, &kWindowFont, true},      // A bits 8-15
    {{40, 56, 105, 70}, TScheme::Nibble, &kWindowFont, false},   // A bits 12-15
    {{480, 208, 577, 225}, TScheme::Nibble, &kSans13, true},     // result bits 0-3
    {{384, 208, 481, 225}, TScheme::Nibble, &kSans13, true},     // result bits 4-7
    {{384, 226, 577, 249}, TScheme::Byte, &kSans13Bold, true},   // result bits 0-7
    {{264, 208, 361, 225}, TScheme::Nibble, &kSans13, true},     // result bits 8-11
    {{168, 208, 265, 225}, TScheme::Nibble, &kSans13, true},     // result bits 12-15
    {{168, 226, 361, 249}, TScheme::Byte, &kSans13Bold, true},   // result bits 8-15
}};

// clang-format off
const std::array<TFieldSpec, 4> kFields{{
    {1, {368, 98, 465, 128}, false, true, 3, clWindow, &kArial19Bold, 2, QT_TRANSLATE_NOOP("Window", "B decimal")},
    {2, {472, 98, 553, 128}, true, true, 2, clWindow, &kArial19BoldBlue, 3, QT_TRANSLATE_NOOP("Window", "B hexadecimal")},
    {4, {368, 10, 465, 40}, false, false, 0, kOperandAFieldColor, &kArial19Bold, 0, QT_TRANSLATE_NOOP("Window", "A decimal")},
    {5, {472, 10, 553, 40}, true, true, 0, kOperandAFieldColor, &kArial19BoldBlue, 1,
     QT_TRANSLATE_NOOP("Window", "A hexadecimal")},
}};
// clang-format on

const std::array<TButtonSpec, 11> kButtons{{
    {{312, 8, 337, 25}, "<<", &kSans13Bold, 6, QT_TRANSLATE_NOOP("Window", "Rotate A left")},
    {{312, 24, 337, 41}, ">>", &kSans13Bold, 7, QT_TRANSLATE_NOOP("Window", "Rotate A right")},
    {{312, 96, 337, 113}, "<<", &kSans13Bold, 8, QT_TRANSLATE_NOOP("Window", "Rotate B left")},
    {{312, 112, 337, 129}, ">>", &kSans13Bold, 9, QT_TRANSLATE_NOOP("Window", "Rotate B right")},
    {{336, 8, 361, 25}, "not", &kWindowFont, 10, QT_TRANSLATE_NOOP("Window", "Invert A")},
    {{336, 24, 361, 41}, "res", &kWindowFont, 11, QT_TRANSLATE_NOOP("Window", "Reset A")},
    {{336, 96, 361, 113}, "not", &kWindowFont, 12, QT_TRANSLATE_NOOP("Window", "Invert B")},
    {{336, 112, 361, 129}, "res", &kWindowFont, 13, QT_TRANSLATE_NOOP("Window", "Reset B")},
    {{232, 55, 249, 71},
     "<>",
     &kWindowFont,
     14,
     QT_TRANSLATE_NOOP("Window", "Swap the nibbles of A's low byte")},
    {{96, 55, 113, 71},
     "<>",
     &kWindowFont,
     15,
     QT_TRANSLATE_NOOP("Window", "Swap the nibbles of A's high byte")},
    {{160, 71, 185, 87}, "<>", &kWindowFont, 17, QT_TRANSLATE_NOOP("Window", "Swap A's bytes")},
}};

const std::array<TSelectorSpec, 4> kSelectors{{
    {624, 10, 18, QT_TRANSLATE_NOOP("Window", "A low byte character")},
    {584, 10, 19, QT_TRANSLATE_NOOP("Window", "A high byte character")},
    {624, 98, 21, QT_TRANSLATE_NOOP("Window", "B low byte character")},
    {584, 98, 20, QT_TRANSLATE_NOOP("Window", "B high byte character")},
}};

}  // namespace bitcalc::main_window
