#pragma once

#include <QString>

class QWidget;

namespace bitcalc::app {

// Shows window (off screen when there is no display), lets it paint, and
// saves what it shows as a PNG. Returns false when the file cannot be written.
bool SaveSnapshot(QWidget* window, const QString& pngPath);

}  // namespace bitcalc::app
