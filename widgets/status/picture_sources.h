#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

namespace bitcalc::widgets {

// Where rich text and status panels take their pictures from. Pictures keep
// their alpha channel and are drawn blended by it.

// Pictures addressed by position.
class TImageList {
 public:
  void Add(const QImage& picture) { pictures_.push_back(picture); }
  int Count() const { return int(pictures_.size()); }
  // A null image when index is out of range.
  QImage Picture(long long index) const;

 private:
  std::vector<QImage> pictures_;
};

// Pictures addressed by name; names match in any letter case.
class TPictureContainer {
 public:
  void Add(const std::string& name, const QImage& picture);
  // A null image when there is no picture of that name.
  QImage Find(const std::string& name) const;

 private:
  std::vector<std::pair<std::string, QImage>> pictures_;
};

// The desktop icon theme's icon for the type of the file at path, told by its
// name, 16 pixels square, or 32 when large; a null image when the theme has
// no icon for it.
QImage FileTypeIcon(const std::string& path, bool large);

}  // namespace bitcalc::widgets
