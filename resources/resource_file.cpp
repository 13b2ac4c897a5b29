#include "resources/resource_file.h"

#include <QFile>
#include <QString>

// The data sits in a static library, whose start-up registration the linker
// would drop; registering on the first lookup pulls it in. Q_INIT_RESOURCE
// must be used outside any namespace.
static void RegisterProgramFiles() {
  Q_INIT_RESOURCE(program_files);
}

namespace bitcalc::resources {

std::string ResourceFile(std::string_view name) {
  static const bool registered = (RegisterProgramFiles(), true);
  (void)registered;
  QFile file(QStringLiteral(":/files/") + QString::fromLatin1(name.data(), qsizetype(name.size())));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace bitcalc::resources
