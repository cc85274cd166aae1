// The last project files in the "Plik" menu.

#include "app/RecentProjects.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace velt {
namespace {

const char* const kKey = "recentProjects";

QSettings settings() {
    return QSettings(QStringLiteral("VELT"), QStringLiteral("VELT"));
}

} // namespace

RecentProjects::RecentProjects(QMenu& menu, std::function<void(const QString&)> open,
                               QObject* parent)
    : QObject(parent), menu_(menu), open_(std::move(open)) {
    rebuild();
}

QStringList RecentProjects::paths() const {
    return settings().value(QLatin1String(kKey)).toStringList().mid(0, kCount);
}

void RecentProjects::add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(full);
    list.prepend(full);
    settings().setValue(QLatin1String(kKey), list.mid(0, kCount));
    rebuild();
}

void RecentProjects::rebuild() {
    qDeleteAll(items_);
    items_.clear();
    const QStringList list = paths();
    // The separator comes with the first item.
    if (!list.isEmpty()) {
        items_.append(menu_.addSeparator());
    }
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction* item =
            menu_.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setObjectName(QStringLiteral("Ostatniprojekt%1").arg(i + 1));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { open_(path); });
        items_.append(item);
    }
}

} // namespace velt
