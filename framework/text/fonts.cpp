#include "framework/text/fonts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace bitcalc::framework {

namespace {

struct FontFile {
  const char* path;
  const char* link;  // name of the link in the private font folder
};

// Liberation Sans has Arial's metrics; Wine's Tahoma stands in for the
// Windows UI faces. Wine's bold Tahoma is left out because it is not visibly
// bold: Qt emboldens the regular face instead. DejaVu Sans only fills in
// glyphs the others lack.
constexpr std::array<FontFile, 7> kFontFiles = {{
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "arial.ttf"},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", "arialbd.ttf"},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf", "ariali.ttf"},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf", "arialbi.ttf"},
    {"/usr/share/wine/fonts/tahoma.ttf", "tahoma.ttf"},
    {"/usr/share/wine/fonts/symbol.ttf", "symbol.ttf"},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "dejavusans.ttf"},
}};

struct FamilyMapping {
  std::string_view windows;
  const char* installed;
};

constexpr std::array<FamilyMapping, 5> kFamilies = {{
    {"Arial", "Arial"},
    {"Tahoma", "Tahoma"},
    {"MS Sans Serif", "Tahoma"},
    {"Segoe UI", "Tahoma"},
    {"Symbol", "Symbol"},
}};

constexpr const char* kDefaultFamily = "Tahoma";

QByteArray ConfigurationText(const QString& fontDir, const QString& cacheDir) {
  QByteArray xml;
  xml += "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n";
  xml += "  <dir>" + fontDir.toUtf8() + "</dir>\n";
  xml += "  <cachedir>" + cacheDir.toUtf8() + "</cachedir>\n";
  // Liberation Sans is exposed under the name the program asks for.
  xml +=
      "  <match target=\"scan\"><test name=\"family\"><string>Liberation Sans</string></test>"
      "<edit name=\"family\" mode=\"assign_replace\"><string>Arial</string></edit></match>\n";
  for (const auto& m : kFamilies) {
    if (m.windows == m.installed) continue;
    xml += "  <match target=\"pattern\"><test name=\"family\"><string>" +
           QByteArray(m.windows.data(), qsizetype(m.windows.size())) +
           "</string></test><edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>" +
           QByteArray(m.installed) + "</string></edit></match>\n";
  }
  for (const char* generic : {"sans-serif", "Sans Serif", "sans"}) {
    xml += "  <alias binding=\"strong\"><family>" + QByteArray(generic) +
           "</family><prefer><family>" + kDefaultFamily + "</family></prefer></alias>\n";
  }
  xml += "  <alias><family>" + QByteArray(kDefaultFamily) +
         "</family><accept><family>DejaVu Sans</family></accept></alias>\n";
  // Hinting changes advance widths, so it is pinned like everything else.
  xml +=
      "  <match target=\"font\">"
      "<edit name=\"antialias\" mode=\"assign\"><bool>true</bool></edit>"
      "<edit name=\"hinting\" mode=\"assign\"><bool>true</bool></edit>"
      "<edit name=\"autohint\" mode=\"assign\"><bool>false</bool></edit>"
      "<edit name=\"hintstyle\" mode=\"assign\"><const>hintfull</const></edit>"
      "<edit name=\"rgba\" mode=\"assign\"><const>none</const></edit>"
      "<edit name=\"lcdfilter\" mode=\"assign\"><const>lcdnone</const></edit>"
      "<edit name=\"embeddedbitmap\" mode=\"assign\"><bool>false</bool></edit>"
      "</match>\n";
  xml += "</fontconfig>\n";
  return xml;
}

// FNV-1a: a stable name for the folder, so a changed configuration never
// meets a cache scanned for an older one.
QString Fingerprint(const QByteArray& data) {
  std::uint64_t h = 1469598103934665603ull;
  for (char c : data) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return QString::number(h, 16);
}

QString CacheRoot() {
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg)
    return QString::fromLocal8Bit(xdg);
  if (const char* home = std::getenv("HOME");
      home && *home && QFileInfo(QString::fromLocal8Bit(home)).isWritable())
    return QString::fromLocal8Bit(home) + "/.cache";
  return QDir::tempPath();
}

}  // namespace

void InstallFontConfiguration() {
  // The folder's name depends on the listed files, not on where it lives.
  QByteArray identity;
  for (const auto& f : kFontFiles) identity += QByteArray(f.path) + '\n';
  const QByteArray probe = ConfigurationText("@fonts", "@cache") + identity;
  const QString folder = CacheRoot() + "/bitcalc/fontconfig-" + Fingerprint(probe);
  const QString fontDir = folder + "/fonts";
  const QString cacheDir = folder + "/cache";
  QDir().mkpath(fontDir);
  QDir().mkpath(cacheDir);
  for (const auto& f : kFontFiles) {
    const QString link = fontDir + "/" + f.link;
    if (!QFileInfo::exists(link) && QFileInfo::exists(f.path)) QFile::link(f.path, link);
  }
  const QString confPath = folder + "/fonts.conf";
  const QByteArray text = ConfigurationText(fontDir, cacheDir);
  QFile conf(confPath);
  if (!conf.exists() || (conf.open(QIODevice::ReadOnly) && conf.readAll() != text)) {
    conf.close();
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) conf.write(text);
  }
  conf.close();
  qputenv("FONTCONFIG_FILE", confPath.toLocal8Bit());
}

QString ResolveFontFamily(const std::string& windowsFamily) {
  // Family names are matched without regard to letter case, as Windows does.
  const QString wanted = QString::fromLatin1(windowsFamily.data(), qsizetype(windowsFamily.size()));
  for (const auto& m : kFamilies)
    if (wanted.compare(QLatin1StringView(m.windows.data(), qsizetype(m.windows.size())),
                       Qt::CaseInsensitive) == 0)
      return QString::fromLatin1(m.installed);
  return QString::fromLatin1(kDefaultFamily);
}

}  // namespace bitcalc::framework
