#include "framework/text/fonts.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace bitcalc::framework {

namespace {

// Liberation Sans has Arial's metrics; Wine's Tahoma stands in for the
// Windows UI faces. Wine's bold Tahoma is left out because it is not visibly
// bold: Qt emboldens the regular face instead. DejaVu Sans only fills in
// glyphs the others lack. The order is the one in which fontconfig meets the
// faces, which decides between equally good matches.
constexpr std::array<const char*, 7> kFontFiles = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/wine/fonts/symbol.ttf",
    "/usr/share/wine/fonts/tahoma.ttf",
};

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

std::string ConfigurationText() {
  std::string xml = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
  // Liberation Sans is exposed under the name the program asks for.
  xml +=
      "  <match target=\"scan\"><test name=\"family\"><string>Liberation Sans</string></test>"
      "<edit name=\"family\" mode=\"assign_replace\"><string>Arial</string></edit></match>\n";
  for (const auto& m : kFamilies) {
    if (m.windows == m.installed) continue;
    xml += "  <match target=\"pattern\"><test name=\"family\"><string>";
    xml += m.windows;
    xml += "</string></test><edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>";
    xml += m.installed;
    xml += "</string></edit></match>\n";
  }
  for (const char* generic : {"sans-serif", "Sans Serif", "sans"}) {
    xml += "  <alias binding=\"strong\"><family>";
    xml += generic;
    xml += "</family><prefer><family>";
    xml += kDefaultFamily;
    xml += "</family></prefer></alias>\n";
  }
  xml += "  <alias><family>";
  xml += kDefaultFamily;
  xml += "</family><accept><family>DejaVu Sans</family></accept></alias>\n";
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

}  // namespace

void InstallFontConfiguration() {
  FcConfig* config = FcConfigCreate();
  if (!config) return;
  const std::string text = ConfigurationText();
  FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()), FcTrue);
  // A file that is not installed is simply not offered.
  for (const char* file : kFontFiles)
    FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file));
  FcConfigSetCurrent(config);
  // The current configuration keeps its own reference.
  FcConfigDestroy(config);
}

TFontFile FontFileFor(const QString& family, bool bold, bool italic) {
  struct Face {
    QString family;
    int weight;
    bool italic;
    TFontFile file;
  };
  // The configuration's faces, listed once.
  static const std::vector<Face> faces = [] {
    std::vector<Face> list;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects =
        FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, nullptr);
    if (FcFontSet* set = FcFontList(nullptr, all, objects)) {
      for (int i = 0; i < set->nfont; ++i) {
        FcChar8* name = nullptr;
        FcChar8* file = nullptr;
        int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, index = 0;
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch ||
            FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
          continue;
        FcPatternGetInteger(set->fonts[i], FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(set->fonts[i], FC_SLANT, 0, &slant);
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        list.push_back({QString::fromUtf8(reinterpret_cast<const char*>(name)),
                        weight,
                        slant != FC_SLANT_ROMAN,
                        {QString::fromUtf8(reinterpret_cast<const char*>(file)), index}});
      }
      FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    return list;
  }();
  // Of the family's faces, the one of the asked slant and the nearest weight,
  // as Qt picks it; a style the family lacks is drawn from the nearest face.
  const int weight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
  const Face* best = nullptr;
  int bestDistance = 0;
  for (const Face& face : faces) {
    if (face.family != family) continue;
    const int distance = std::abs(face.weight - weight) + (face.italic != italic ? 1000 : 0);
    if (!best || distance < bestDistance) {
      best = &face;
      bestDistance = distance;
    }
  }
  return best ? best->file : TFontFile{};
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
