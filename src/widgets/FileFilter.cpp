// File-dialog filters in Qt's form.

#include "widgets/FileFilter.h"

#include <QStringList>

namespace velt {

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        const QString inParentheses = QLatin1Char('(') + pattern + QLatin1Char(')');
        entries.append(description.contains(inParentheses)
                           ? description
                           : description + QLatin1Char(' ') + inParentheses);
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace velt
