#include "app/SeriesMessages.h"

#include "series/Variation.h"

#include <QCoreApplication>

namespace velt {
namespace {

struct Worded {
    std::string core;
    const char* shown;
};

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

QString seriesRefusalText(const std::string& message, const std::string& argument) {
    const std::string limit = std::to_string(kMaxCombinations);
    const Worded exact[] = {
        {"FROM, TO and STEP must be numbers", "Wartości od, do i krok muszą być liczbami!"},
        {"the step must not be 0", "Krok nie może być równy 0!"},
        {"the step leads away from TO", "Krok musi prowadzić od wartości początkowej do końcowej!"},
        {"more than " + limit + " values", "Seria może liczyć najwyżej %1 obliczeń!"},
        {"the series would have more than " + limit + " combinations",
         "Seria może liczyć najwyżej %1 obliczeń!"},
    };
    const Worded ending[] = {
        {" must be more than 0", "Wartości muszą być większe od 0.0!"},
        {" must be 0 or more", "Wartości nie mogą być mniejsze od 0.0!"},
    };
    const std::string prefix = variationMessage(argument, "");
    const std::string what =
        message.rfind(prefix, 0) == 0 ? message.substr(prefix.size()) : message;
    for (const Worded& w : exact) {
        if (what == w.core) {
            const QString text = QCoreApplication::translate("velt", w.shown);
            return text.contains(QLatin1String("%1")) ? text.arg(QString::fromStdString(limit))
                                                      : text;
        }
    }
    for (const Worded& w : ending) {
        if (endsWith(what, w.core)) {
            return QCoreApplication::translate("velt", w.shown);
        }
    }
    return QString::fromStdString(what);
}

} // namespace velt
