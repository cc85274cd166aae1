#pragma once
// Finding controls of the forms by their names.

#include <QObject>
#include <QString>
#include <QStringList>

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
