#pragma once
// What the three conductor-list editors share: the list of typed positions, adding through
// TW_NewPrzew with the duplicate lock, deleting that unlocks, the count field and the
// buttons that close the editor.

#include "linedata/ConductorListRules.h"
#include "widgets/ModalDialog.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace velt {

class Prompter;
class TW_NewPrzew;

class ConductorListDialog : public ModalDialog {
    Q_OBJECT

  public:
    /// The entries as typed, in the order they were added.
    const std::vector<ConductorRow>& rows() const { return rows_; }
    /// Fills the list anew (the editor's owner does this); the working-conductor and
    /// ground-wire editors refresh their count field on every change of the list.
    void setRows(std::vector<ConductorRow> rows);
    /// A duplicate keeps "&Dodaj" and "&Tak" disabled until the later copy is deleted.
    bool isLocked() const { return lock_.locked; }
    /// The dialog "&Dodaj" asks for a new position.
    void setNewConductorDialog(TW_NewPrzew& dialog) { newConductor_ = &dialog; }
    /// The selected entry (0-based), if any.
    std::optional<std::size_t> selectedRow() const;

  public slots:
    void BitBtn1Click(); ///< "&Dodaj"
    void BitBtn2Click(); ///< "&Skasuj"
    /// "&Tak": the editor's own check, then it closes.
    virtual void BitBtn3Click() = 0;

  protected:
    struct Controls {
        QTreeWidget* list;
        QLineEdit* count;
        QPushButton* add;
        QPushButton* remove;
        QPushButton* accept;
        QPushButton* no;     ///< only the shield-wire editor has "&Nie"
        QPushButton* cancel; ///< "Anuluj"
    };

    ConductorListDialog(ConductorEditor editor, Prompter& prompter, QWidget* parent);
    ConductorEditor editor() const { return editor_; }
    /// Connects the buttons; called once the form is set up.
    void attach(const Controls& controls);
    /// Why "&Dodaj" may not add another entry now, if it may not; asked before the new
    /// position is.
    virtual std::optional<std::string> addRefusal() const { return std::nullopt; }
    /// The end of "&Tak": shows the refusal and stays open, or closes with `result`.
    void closeUnlessRefused(const std::optional<std::string>& refusal, int result);

    void showCount();
    /// Enables "&Dodaj", "&Tak", "&Nie" and the list again.
    void unlock();
    /// Selects exactly the given entries.
    void selectRows(const std::vector<std::size_t>& rows);

    Prompter& prompter_;
    ConductorListLock lock_;

  private:
    void refillList();
    void applyLock();

    ConductorEditor editor_;
    TW_NewPrzew* newConductor_ = nullptr;
    std::vector<ConductorRow> rows_;
    Controls controls_{};
};

} // namespace velt
