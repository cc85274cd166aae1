// Pictures of the desktop program's windows for the documentation and for looking at the
// forms: the main window, the splash, every menu and every dialog.
// Usage: velt_screenshots [--lang en] OUTPUT_FOLDER (run under a display, e.g. xvfb-run).

#include "app/HelpViewer.h"
#include "app/Language.h"
#include "app/TW_Main.h"
#include "app/VeltApplication.h"
#include "dialogs/TW_PEkr.h"
#include "editor/TW_New.h"
#include "editor/TW_PRob.h"
#include "model/BuiltInTowers.h"
#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTextStream>

#include <clocale>
#include <memory>

namespace {

QString folder;

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void save(QWidget& widget, const QString& name) {
    settle();
    const QString path = folder + '/' + name + ".png";
    if (!widget.grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
    }
}

/// Shows each dialog, takes its picture and closes it with Cancel.
class PicturePrompter : public velt::Prompter {
  public:
    void showMessage(const QString&) override {}
    int exec(QDialog& dialog) override {
        dialog.show();
        save(dialog, dialog.objectName());
        dialog.hide();
        return velt::mrCancel;
    }
    QString askOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString askSaveFileName(QWidget*, const QString& = {}, const QString& = {}) override {
        return {};
    }
    QString askNewFileName(QWidget*, const QString&, const QString&) override { return {}; }
    int ask(const QString&, const QString&, velt::Question) override { return velt::mrCancel; }
    void beep() override {}
};

// The tower editor holding the built-in 110 kV tower at 10 and 14 m.
void showTowerInEditor(velt::VeltApplication& app) {
    velt::TW_New& editor = app.towerEditor();
    velt::takeCatalogueTower(app.towerEditorState(), velt::builtInTowers()[0]);
    const std::pair<const char*, const char*> texts[] = {{"Edit1", "S12"}, {"Edit2", "P"},
                                                         {"Edit3", "3"},   {"Edit4", "1"},
                                                         {"Edit6", "10"},  {"Edit7", "14"}};
    for (const auto& [name, text] : texts) {
        editor.findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    }
    editor.findChild<QComboBox*>("ComboBox2")->setCurrentIndex(0);
    editor.Edit6KeyUp();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    velt::installTranslations(application, velt::chosenLanguage(arguments));
    std::setlocale(LC_NUMERIC, "C");
    const QStringList rest = velt::withoutLanguageArguments(arguments);
    if (rest.size() < 2) {
        QTextStream(stderr) << "usage: velt_screenshots [--lang en] OUTPUT_FOLDER\n";
        return 2;
    }
    folder = rest[1];
    QDir().mkpath(folder);

    velt::VeltApplication app(std::make_unique<PicturePrompter>());
    velt::TW_Main& main = app.mainWindow();
    main.show(); // the first showing takes the splash's picture
    settle();
    save(main, "main-window");

    const auto menus = main.findChild<QMenuBar*>("MainMenu1")->actions();
    for (QAction* entry : menus) {
        QMenu* menu = entry->menu();
        if (menu->actions().isEmpty()) {
            continue;
        }
        menu->popup(main.mapToGlobal(QPoint(10, 30)));
        save(*menu, "menu-" + menu->objectName());
        menu->hide();
    }

    app.pEkr().setRows({{"-6.5", "14.0"}, {"6.5", "14.0"}, {"0", "26.5"}});
    app.pRob().setRows({{"-2.6", "0"}, {"3.4", "0"}, {"2.6", "3.2"}});
    showTowerInEditor(app);
    for (QWidget* form : app.forms()) {
        if (form != &main && form->objectName() != QLatin1String("TW_Splash")) {
            form->show();
            save(*form, form->objectName());
            form->hide();
        }
    }

    app.help().winHelp(QStringLiteral("VELT2009"), velt::HelpViewer::kHelpTopics, 0);
    save(app.help(), "help");
    app.help().close();
    return 0;
}
