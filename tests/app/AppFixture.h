#pragma once
// A fresh application object with a scripted prompter for every test.

#include "GuiTestHelpers.h"
#include "ScriptedPrompter.h"
#include "app/TW_Main.h"
#include "app/VeltApplication.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QSize>

#include <gtest/gtest.h>

#include <memory>

namespace velt::test {

class AppFixture : public ::testing::Test {
  protected:
    AppFixture() {
        // Every test starts without the settings an earlier one left (the recent projects).
        QSettings(QStringLiteral("VELT"), QStringLiteral("VELT")).clear();
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        app = std::make_unique<VeltApplication>(std::move(scripted));
    }
    void TearDown() override { EXPECT_TRUE(prompter->finished()) << "unused scripted answers"; }

    /// The main window on the screen, its splash answered: child windows are activated only
    /// in a frame that is shown.
    void showMainWindow(QSize size = {1000, 750}) {
        prompter->expectAnswer("TW_Splash", mrOk);
        app->mainWindow().resize(size);
        app->mainWindow().show();
        QCoreApplication::processEvents();
    }

    /// The captions of the main window's child windows, in their order.
    QStringList windowTitles() {
        QStringList titles;
        for (QMdiSubWindow* window : app->mainWindow().mdiArea().subWindowList()) {
            titles.append(window->windowTitle());
        }
        return titles;
    }

    /// The items of the "Wykres" menu.
    QStringList menuItems() {
        QStringList items;
        for (QAction* item : app->mainWindow().chartMenu().actions()) {
            if (!item->isSeparator()) {
                items.append(item->text());
            }
        }
        return items;
    }

    ScriptedPrompter* prompter;
    std::unique_ptr<VeltApplication> app;
};

} // namespace velt::test
