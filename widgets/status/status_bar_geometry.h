#pragma once

#include <vector>

#include "framework/values/geometry.h"

namespace bitcalc::widgets {

// Where a status bar's panels lie, shared by painting, the mouse and partial
// repaints. widths are the panels' Width values, left to right; the bar is
// barWidth x barHeight; stretch is the index of the panel that takes the
// remaining width, or -1.

// The widths as laid out: the stretched panel is as wide as the bar less all
// the others (never negative).
std::vector<int> LaidOutWidths(const std::vector<int>& widths, int barWidth, int stretch);

// Panel i's hit and repaint rectangle: from the sum of the widths before it,
// rows 1 to barHeight - 2; the last panel runs to the bar's last column.
framework::TRect PanelRect(const std::vector<int>& laidOut, int i, int barWidth, int barHeight);

// Panel i's painting rectangle, rows 0 to barHeight - 2: the first panel
// starts at column 1; without a stretched panel the last one runs past the
// bar's end; a panel ending at the last column stops one short of it.
framework::TRect PanelPaintRect(const std::vector<int>& laidOut, int i, int barWidth, int barHeight,
                                bool stretched);

// The first panel whose PanelRect spans column x, both edges included, so a
// column shared by two panels belongs to the left one; -1 for none.
int PanelAt(const std::vector<int>& laidOut, int x, int barWidth, int barHeight);

}  // namespace bitcalc::widgets
