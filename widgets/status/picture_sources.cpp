#include "widgets/status/picture_sources.h"

#include <QIcon>
#include <QMimeDatabase>
#include <QPixmap>

#include "framework/text/text.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

QImage TImageList::Picture(long long index) const {
  if (index < 0 || index >= Count()) return {};
  return pictures_[std::size_t(index)];
}

void TPictureContainer::Add(const std::string& name, const QImage& picture) {
  pictures_.emplace_back(name, picture);
}

QImage TPictureContainer::Find(const std::string& name) const {
  const QString wanted = FromCp1250(name);
  for (const auto& [n, picture] : pictures_)
    if (FromCp1250(n).compare(wanted, Qt::CaseInsensitive) == 0) return picture;
  return {};
}

QImage FileTypeIcon(const std::string& path, bool large) {
  const int side = large ? 32 : 16;
  // By the name alone: painting must never wait on the file system (a path
  // may name a pipe or a slow mount).
  const QMimeType type =
      QMimeDatabase().mimeTypeForFile(FromCp1250(path), QMimeDatabase::MatchExtension);
  QIcon icon = QIcon::fromTheme(type.iconName());
  if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
  if (icon.isNull()) return {};
  QImage image = icon.pixmap(side, side).toImage();
  if (!image.isNull() && image.size() != QSize(side, side))
    image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

}  // namespace bitcalc::widgets
