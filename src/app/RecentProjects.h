#pragma once
// The last five project files opened or saved, at the end of the "Plik" menu and kept
// between runs.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QAction;

namespace velt {

class RecentProjects : public QObject {
    Q_OBJECT

  public:
    static constexpr int kCount = 5;

    /// `open` is called with the path of the item chosen.
    RecentProjects(QMenu& menu, std::function<void(const QString&)> open,
                   QObject* parent = nullptr);

    /// `path` first, an earlier mention of it dropped, at most five kept.
    void add(const QString& path);
    QStringList paths() const;

  private:
    void rebuild();

    QMenu& menu_;
    std::function<void(const QString&)> open_;
    QList<QAction*> items_;
};

} // namespace velt
