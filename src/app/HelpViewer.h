#pragma once
// The program's help: HTML pages bundled with the program, shown in a window with a
// contents tab beside the page.

#include <QWidget>

class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace velt {

class HelpViewer : public QWidget {
    Q_OBJECT

  public:
    /// Opens the help on its "Help Topics" tab; the data is the tab index.
    static constexpr int kHelpTopics = 15;

    explicit HelpViewer(QWidget* parent = nullptr);

    /// Opens the help file `helpFile` ("VELT2009") with `command`; answers false when the
    /// file or the command is unknown.
    bool winHelp(const QString& helpFile, int command, int data);

    /// The page shown now, as a resource path.
    QString currentPage() const;
    int currentTab() const;
    /// Number of topics of the contents tab.
    int topicCount() const;

  private:
    void showTopic(QTreeWidgetItem* item);

    QTabWidget* tabs_;
    QTreeWidget* contents_;
    QTextBrowser* page_;
    QString helpFile_;
};

} // namespace velt
