// The calculation's questions answered by the desktop program.

#include "app/DesktopCalculationUi.h"

#include "app/TW_Main.h"
#include "app/VeltApplication.h"
#include "dialogs/TW_Kom.h"
#include "dialogs/TW_ZObl.h"
#include "dialogs/TW_ZRys.h"
#include "widgets/Prompter.h"

namespace velt {

void DesktopCalculationUi::setStatus(int panel, const std::string& text) {
    app_.mainWindow().setStatusText(panel, QString::fromStdString(text));
    // The passes let no window messages through; the status bar still has to show.
    app_.mainWindow().repaint();
}

void DesktopCalculationUi::showMessage(const std::string& text) {
    app_.prompter().showMessage(QString::fromStdString(text));
}

std::string DesktopCalculationUi::askCalculationRange(const std::string& proposed) {
    app_.zObl().setText(QString::fromStdString(proposed));
    app_.prompter().exec(app_.zObl());
    return app_.zObl().text().toStdString();
}

std::string DesktopCalculationUi::askComment() {
    app_.kom().setText(QString());
    app_.prompter().exec(app_.kom());
    return app_.kom().text().toStdString();
}

std::string DesktopCalculationUi::askDrawingRange(const std::string& proposed) {
    app_.zRys().setText(QString::fromStdString(proposed));
    app_.prompter().exec(app_.zRys());
    return app_.zRys().text().toStdString();
}

} // namespace velt
