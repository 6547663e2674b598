#include "gui/print/FontStandIns.h"

#include <QFont>
#include <QStringList>

#include <array>

namespace tarvo::gui {
namespace {

struct StandIn {
    std::string_view name;
    const char* family;
};

// Proportional and fixed-pitch Japanese faces in their Japanese and Latin
// spellings, and the serif of the page numbers.
constexpr std::array<StandIn, 10> kStandIns{{
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS PGothic", "IPAPGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"MS PMincho", "IPAPMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"MS Gothic", "IPAGothic"},
    {"ＭＳ 明朝", "IPAMincho"},
    {"MS Mincho", "IPAMincho"},
    {"Century", "C059"},
    {"Century Schoolbook", "C059"},
}};

} // namespace

QString standInFamily(std::string_view name) {
    for (const auto& standIn : kStandIns) {
        if (standIn.name == name) return QString::fromLatin1(standIn.family);
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void installFontStandIns() {
    for (const auto& standIn : kStandIns) {
        const QString name = QString::fromUtf8(standIn.name.data(), static_cast<qsizetype>(standIn.name.size()));
        const QString family = QString::fromLatin1(standIn.family);
        if (!QFont::substitutes(name).contains(family)) QFont::insertSubstitution(name, family);
    }
}

} // namespace tarvo::gui
