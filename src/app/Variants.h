#pragma once
// The result variants of the run: one numbered child window of the main frame per completed
// calculation, each with its "Wykres" menu item and its own copy of the results.

#include "analysis/CalculationExtras.h"
#include "model/FieldProfile.h"

#include <QObject>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace velt {

class Prompter;
class ResultView;
class VariantView;
class TW_UWar;

class Variants : public QObject {
    Q_OBJECT

  public:
    struct Parts {
        QMdiArea& frame;
        QMenu& chartMenu; ///< "Wykres"
        Prompter& prompter;
        TW_UWar& question; ///< asked before a variant window closes
        std::function<bool()> closingAll;
        std::function<bool()> liveTowerShifted;
    };

    explicit Variants(Parts parts, QObject* parent = nullptr);

    /// `createVariant`: the window "Wariant %d." (maximized, active) and its menu item, with
    /// a copy of `live`, whose number the calculation has already set, and of `extras`.
    QMdiSubWindow* createVariant(const FieldProfile& live, CalculationExtras extras = {});

    /// Any result window (a map, a series), its caption and menu item its own; the view
    /// belongs to the window afterwards.
    QMdiSubWindow* addResult(ResultView* view);

    /// The result shown in `window`, or none for another kind of child window.
    static ResultView* viewOf(QMdiSubWindow* window);
    /// The graph of a calculation shown in `window`, or none for any other window.
    static VariantView* graphOf(QMdiSubWindow* window);

  public slots:
    /// A "Wykres" menu item: brings the window of the same caption to the front, maximized.
    void WybierzWariant();

  protected:
    /// `ChildClose`: asks before a variant window closes, unless the program is ending.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void removeMenuItem(const QString& caption);

    Parts parts_;
};

} // namespace velt
