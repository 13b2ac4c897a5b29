#include "resources/resource_image.h"

#include <QFile>
#include <QImageReader>
#include <QString>

// The resource data sits in this static library. A linker keeps an object of a
// static library only when something refers to it, so the data's start-up
// registration would be dropped; registering here, on the first lookup, both
// pulls the data in and runs it before it is needed. A new .qrc file in this
// folder needs its own line here.
// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources() {
  Q_INIT_RESOURCE(spin_glyphs);
}

namespace bitcalc::resources {

QImage ResourceImage(std::string_view name) {
  static const bool registered = (RegisterResources(), true);
  (void)registered;
  const QString path = QStringLiteral(":/bitmaps/") +
                       QString::fromLatin1(name.data(), qsizetype(name.size())) +
                       QStringLiteral(".bmp");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return DecodeBitmap(&file);
}

QImage DecodeBitmap(QIODevice* device) {
  QImageReader reader(device, "bmp");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace bitcalc::resources
