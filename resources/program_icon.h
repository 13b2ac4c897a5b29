#pragma once

#include <QImage>

namespace bitcalc::resources {

// The program's icon, the one 32 x 32, 16-colour image of bitcalc.ico, with
// the pixels its mask leaves out transparent. Null if the file is damaged.
QImage ProgramIcon();

}  // namespace bitcalc::resources
