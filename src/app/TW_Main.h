#pragma once
// The main window: the frame of the result windows, with the menu, the toolbar and the
// two-panel status bar.

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace Ui {
class TW_Main;
}

namespace velt {

class OptionCommands;
class RecentProjects;
class Variants;
class ResultView;
class VeltApplication;

class TW_Main : public QMainWindow {
    Q_OBJECT

  public:
    explicit TW_Main(VeltApplication& app);
    ~TW_Main() override;

    QMdiArea& mdiArea();
    /// The "Wykres" menu: one entry per variant window.
    QMenu& chartMenu();
    /// The result variants of this run.
    Variants& variants();
    /// The last project files opened or saved.
    RecentProjects& recentProjects() { return *recent_; }

    /// Panel 0 shows the progress of a calculation, panel 1 the messages.
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    /// The layout table at `dpi`: form sizes and the status bar (nothing at 120 dpi).
    void applyLayout(int dpi);
    void centreOnScreen();

  public slots:
    void FormShow();
    void BitBtn4Click();       ///< new tower
    void BitBtn3Click();       ///< line data
    void Drukuj1Click();       ///< save a variant
    void Drukujwyniki1Click(); ///< print a variant
    void Oblicz();
    void BitBtn10Click(); ///< help
    void BitBtn2Click();  ///< end the program
    void Zapiszsup1Click();
    void Kaskada1Click();
    void Poziomo1Click();
    void Pionowo1Click();
    void Informacjeoprogramie1Click();
    void Jezyk1Click(); ///< the interface's language for the next start
    void ClearBar();
    void Otworzprojekt1Click();
    void Zapiszprojekt1Click();
    void Zapiszprojektjako1Click();
    void Eksportujwariant1Click(); ///< the active variant as PNG, SVG, PDF or CSV
    void Liniesasiednie1Click();   ///< the "Słup" menu's neighbouring lines
    /// Opens a line project file; the caption then names it.
    bool openProject(const QString& path);
    /// The project file named on the command line, opened once the splash is closed.
    void openAfterSplash(const QString& path) { startProject_ = path; }
    /// The caption: the project file's name, and "*" while the set-up differs from it.
    void showProjectTitle();
    /// Set once the program ends: variant windows then close without their question.
    bool closingAll() const { return closingAll_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    /// A project file (".json") dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    /// Whether the program may end now; asks about saving when there are results.
    bool FormCloseQuery();
    /// A project file opened or saved in this run and changed since is offered for saving.
    bool projectMayClose();
    void FormClose();
    /// The active variant for a command on it: "Nie wykonano obliczeń!" before any
    /// calculation, `refusal` without an active variant window.
    const ResultView* activeVariant(const QString& refusal);
    enum class SaveOutcome { Refused, Cancelled, Saved, Failed };
    /// `Drukuj1Click` with a sender: the given variant window, or the active one.
    SaveOutcome saveVariant(QMdiSubWindow* window);
    /// Asks once, naming them, before files that exist are replaced; true to go on.
    bool mayReplaceResults(const std::vector<std::string>& files);
    void tileChildren(Qt::Orientation orientation);
    void setUpToolBar();

    VeltApplication& app_;
    std::unique_ptr<Ui::TW_Main> ui;
    QLabel* panels_[2] = {};
    bool shown_ = false;
    bool closingAll_ = false;
    QString baseTitle_;
    QString startProject_;
    std::unique_ptr<Variants> variants_;
    std::unique_ptr<RecentProjects> recent_;
    std::unique_ptr<OptionCommands> options_;
};

} // namespace velt
