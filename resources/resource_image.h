#pragma once

#include <QIODevice>
#include <QImage>
#include <string_view>

namespace bitcalc::resources {

// The pictures the program carries, looked up by resource name ("NUMSPINUP").
// Each lives as an ordinary Windows bitmap in this folder, compiled in through a
// .qrc file under the prefix /bitmaps, so it can be opened and checked with any
// image viewer. Returns a null image for a name that is not there.
QImage ResourceImage(std::string_view name);

// Decodes a Windows bitmap with Qt's built-in reader. Told the format, the
// reader does not first load every image plugin to offer it the bytes.
QImage DecodeBitmap(QIODevice* device);

}  // namespace bitcalc::resources
