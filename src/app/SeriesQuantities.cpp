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
    {"workingHeight", "Wysokość zawieszenia przewodów roboczych", "m"},
    {"groundWireHeight", "Wysokość zawieszenia przewodów odgromowych", "m"},
    {"towerShift", "Przesunięcie słupa", "m"},
    {"line.y", "Wysokość prostej obliczeń", "m"},
    {"line.x", "Odległość prostej pionowej od osi linii", "m"},
    {"currents[0]", "Prąd fazowy pierwszego toru", "A"},
    {"currents[1]", "Prąd fazowy drugiego toru", "A"},
    {"building.frontX", "Odległość frontu budynku od osi linii", "m"},
    {"phaseOrder", "Kolejność faz", ""},
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
            const QString name = translated("Położenie linii sąsiedniej %1");
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
