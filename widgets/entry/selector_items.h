#pragma once

#include <string>
#include <vector>

#include "framework/controls/control_types.h"
#include "framework/values/color.h"
#include "framework/values/geometry.h"

namespace bitcalc::widgets {

// An auto-size cell shares one cell size with the others and flows in rows;
// a full-width one takes a row of its own across the whole grid.
enum TSelectorItemType { itAutoSizeButton, itFullWidthButton };

// One cell of a selector's drop-down grid.
struct TStyledSelectorItem {
  framework::TRect CellRect;  // in the grid, set by its layout
  std::string Caption;
  bool Selectable = true;
  int ImageIndex = -1;
  std::string Value;
  std::string Hint;
  framework::TAlignment CaptionAlignment = framework::taCenter;
  TSelectorItemType ItemType = itAutoSizeButton;
  framework::TColor BackGroundColor =
      framework::clNone;  // a square inside the cell, 3 pixels in from its edges
  int Tag = 0;
  std::string AccessibleName;  // what assistive technology calls the cell; empty: the caption
};

// The cells of a selector, in order.
class TStyledSelectorItems {
 public:
  int Count() const { return int(items_.size()); }
  TStyledSelectorItem& operator[](int i) { return items_[size_t(i)]; }
  const TStyledSelectorItem& operator[](int i) const { return items_[size_t(i)]; }
  TStyledSelectorItem& Add() { return items_.emplace_back(); }
  void Clear() { items_.clear(); }
  void Reserve(int n) { items_.reserve(size_t(n)); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<TStyledSelectorItem> items_;
};

}  // namespace bitcalc::widgets
