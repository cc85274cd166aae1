#include "app/SeriesQuantities.h"

#include "series/SeriesKey.h"

#include <QCoreApplication>

namespace velt {
namespace {

struct Named {
    const char* key;
    const char* name;
    const char* unit;
};

const Named kQuantities[] = {
    {"workingHeight", QT_TRANSLATE_NOOP("velt", "Wysokość zawieszenia przewodów roboczych"), "m"},
    {"groundWireHeight", QT_TRANSLATE_NOOP("velt", "Wysokość zawieszenia przewodów odgromowych"),
     "m"},
    {"towerShift", QT_TRANSLATE_NOOP("velt", "Przesunięcie słupa"), "m"},
    {"line.y", QT_TRANSLATE_NOOP("velt", "Wysokość prostej obliczeń"), "m"},
    {"line.x", QT_TRANSLATE_NOOP("velt", "Odległość prostej pionowej od osi linii"), "m"},
    {"currents[0]", QT_TRANSLATE_NOOP("velt", "Prąd fazowy pierwszego toru"), "A"},
    {"currents[1]", QT_TRANSLATE_NOOP("velt", "Prąd fazowy drugiego toru"), "A"},
    {"building.frontX", QT_TRANSLATE_NOOP("velt", "Odległość frontu budynku od osi linii"), "m"},
    {"phaseOrder", QT_TRANSLATE_NOOP("velt", "Kolejność faz"), ""},
};

QString translated(const char* source) {
    return QCoreApplication::translate("velt", source);
}

} // namespace

SeriesQuantity seriesQuantityOf(const std::string& key) {
    for (const Named& q : kQuantities) {
        if (key == q.key) {
            return {translated(q.name), QString::fromUtf8(q.unit)};
        }
    }
    if (const auto k = seriesKeyOf(key)) {
        if (const auto i = neighbourIndexOf(*k)) {
            const QString name =
                translated(QT_TRANSLATE_NOOP("velt", "Położenie linii sąsiedniej %1"));
            return {name.arg(static_cast<int>(*i) + 1), QStringLiteral("m")};
        }
    }
    return {QString::fromStdString(key), QString()};
}

QString quantityWithUnit(const SeriesQuantity& quantity) {
    return quantity.unit.isEmpty() ? quantity.name
                                   : QStringLiteral("%1 [%2]").arg(quantity.name, quantity.unit);
}

QString levelName(const ExposureLimit& limit) {
    return limit.key.empty() ? QString::fromStdString(limit.name) : translated(limit.name.c_str());
}

} // namespace velt
