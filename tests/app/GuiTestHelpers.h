#pragma once
// Finding controls of the forms by their names; texts printed readably in failures.

#include <QObject>
#include <QString>
#include <QStringList>

#include <ostream>
#include <stdexcept>
#include <string>

namespace velt::test {

/// The child of `parent` named `name`; the error lists the names there are.
template <typename T> T& child(const QObject& parent, const QString& name) {
    if (T* found = parent.findChild<T*>(name)) {
        return *found;
    }
    QStringList names;
    for (const QObject* object : parent.findChildren<QObject*>()) {
        if (!object->objectName().isEmpty()) {
            names.append(object->objectName());
        }
    }
    throw std::runtime_error("no " + name.toStdString() + " in " +
                             parent.objectName().toStdString() + "; there are " +
                             names.join(QStringLiteral(", ")).toStdString());
}

} // namespace velt::test

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        *out << " \"" << text.toStdString() << '"';
    }
    *out << " }";
}
