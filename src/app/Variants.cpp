// The result variants of the run.

#include "app/Variants.h"

#include "app/VariantWindow.h"
#include "dialogs/TW_UWar.h"
#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace velt {

Variants::Variants(Parts parts, QObject* parent) : QObject(parent), parts_(std::move(parts)) {}

QMdiSubWindow* Variants::createVariant(const FieldProfile& live, CalculationExtras extras) {
    return addResult(new VariantView(live, std::move(extras), parts_.liveTowerShifted));
}

QMdiSubWindow* Variants::addResult(ResultView* view) {
    const QString caption = view->caption();
    QAction* item = parts_.chartMenu.addAction(caption);
    item->setData(view->number());
    connect(item, &QAction::triggered, this, &Variants::WybierzWariant);

    QMdiSubWindow* window = parts_.frame.addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(caption);
    window->installEventFilter(this);
    window->showMaximized();
    parts_.frame.setActiveSubWindow(window);
    return window;
}

VariantView* Variants::graphOf(QMdiSubWindow* window) {
    return window == nullptr ? nullptr : qobject_cast<VariantView*>(window->widget());
}

ResultView* Variants::viewOf(QMdiSubWindow* window) {
    return window == nullptr ? nullptr : qobject_cast<ResultView*>(window->widget());
}

void Variants::WybierzWariant() {
    const auto* item = qobject_cast<QAction*>(sender());
    if (item == nullptr || !item->text().contains(QLatin1Char('.'))) {
        return;
    }
    for (QMdiSubWindow* window : parts_.frame.subWindowList()) {
        if (window->windowTitle() == item->text()) {
            window->showMaximized();
            parts_.frame.setActiveSubWindow(window);
            return;
        }
    }
}

bool Variants::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    const ResultView* view = viewOf(window);
    if (event->type() != QEvent::Close || view == nullptr || parts_.closingAll()) {
        return QObject::eventFilter(watched, event);
    }
    if (parts_.prompter.exec(parts_.question) != mrYes) {
        event->ignore();
        return true;
    }
    removeMenuItem(view->caption());
    return QObject::eventFilter(watched, event);
}

void Variants::removeMenuItem(const QString& caption) {
    for (QAction* item : parts_.chartMenu.actions()) {
        if (item->text() == caption) {
            parts_.chartMenu.removeAction(item);
            item->deleteLater();
            return;
        }
    }
}

} // namespace velt
