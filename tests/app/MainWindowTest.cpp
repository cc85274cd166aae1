// The main window: forms, menus, toolbar, splash, layout, help and the end of the program.

#include "AppFixture.h"
#include "app/HelpViewer.h"
#include "app/LayoutTable.h"
#include "app/TW_About.h"
#include "app/TW_Main.h"
#include "app/TW_Splash.h"
#include "dialogs/TW_PrzesSlup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace velt::test {
namespace {

class MainWindowTest : public AppFixture {
  protected:
    TW_Main& main() { return app->mainWindow(); }

    QMdiSubWindow* addChild(const QString& caption) {
        auto* window = main().mdiArea().addSubWindow(new QWidget);
        window->setWindowTitle(caption);
        window->show();
        return window;
    }

    /// The main window on the screen, its splash answered.
    void showMain() {
        prompter->expectAnswer("TW_Splash", mrOk);
        main().show();
        QCoreApplication::processEvents();
    }
};

TEST_F(MainWindowTest, TwentyFormsAreCreatedOnceInTheirOrderWithTheirCaptions) {
    const std::pair<const char*, const char*> expected[] = {
        {"TW_Main", "VELT  2009"},
        {"TW_EndAsk", "Zakończyć program?"},
        {"TW_LoadS", "Wczytanie słupa"},
        {"TW_About", "O programie"},
        {"TW_WspDom", "Domek"},
        {"TW_PEkr", "Przewodu ekranujące"},
        {"TW_NewPrzew", "Nowy przewód"},
        {"TW_Zakl", "Zakłócenia na przewodach"},
        {"TW_ZFaz", "Zmiana faz"},
        {"TW_UWar", "Ostrzeżenie"},
        {"TW_PFaz", "Maksymalny prąd fazowy"},
        {"TW_ZRys", "Zakres rysunku"},
        {"TW_ZObl", "Zakres obliczeń"},
        {"TW_Save", "Zapis wariantu"},
        {"TW_Splash", "VELT 2009"},
        {"TW_New", "Nowy słup"},
        {"TW_PRob", "Dane przewodów roboczych"},
        {"TW_NPOdg", "Dane przewodów odgromowych"},
        {"TW_PrzesSlup", "Przesunięcie słupa"},
        {"TW_Kom", "Komentarz"},
    };
    const auto& forms = app->forms();
    ASSERT_EQ(forms.size(), std::size(expected));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(forms[i]->objectName().toStdString(), expected[i].first);
        EXPECT_EQ(forms[i]->windowTitle().toStdString(), expected[i].second);
        EXPECT_EQ(formSizes()[i].form, forms[i]->objectName().toStdString());
    }
    EXPECT_EQ(QApplication::applicationDisplayName(), "VELT  2009");
    // The display name only follows the name, so the window system appends nothing to the
    // captions ("Wczytanie słupa", not "Wczytanie słupa — VELT  2009").
    QApplication::setApplicationName("VELT");
    EXPECT_EQ(QApplication::applicationDisplayName(), "VELT");
    QApplication::setApplicationName("VELT  2009");

    // Each command reuses its one form, which keeps what was typed.
    prompter->expectAnswer("TW_New", mrCancel);
    prompter->expectAnswer("TW_New", mrCancel);
    main().BitBtn4Click();
    main().BitBtn4Click();
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_New", "TW_New"}));
}

TEST_F(MainWindowTest, StartStateIsEmpty) {
    const LineProject& p = app->project();
    EXPECT_FALSE(p.buildingOn || p.shieldWiresOn || p.towerChosen || p.lineDataAccepted ||
                 main().closingAll());
    EXPECT_EQ(p.variantCounter, 0);
    EXPECT_EQ(p.calculationDone, 0);
    EXPECT_TRUE(main().mdiArea().subWindowList().isEmpty());
    EXPECT_EQ(main().statusText(0), "");
    EXPECT_EQ(main().statusText(1), "");
}

TEST_F(MainWindowTest, MenuBarHoldsEveryMenuAndItemInOrder) {
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"Plik",
         {"Zapisz wyniki", "Drukuj wyniki", "---------------------", "Zakończ program",
          "---------------------", "Otwórz projekt...", "Zapisz projekt...",
          "Zapisz projekt jako...", "Eksportuj wariant..."}},
        {"Słup", {"Wczytaj słup", "Nowy słup", "Zapisz słup", "Linie sąsiednie..."}},
        {"Wykres", {}},
        {"Obliczenia",
         {"Wykonaj", "---------------------", "Dokładne natężenie na powierzchni wiązek",
          "Poziomy dopuszczalne...", "Mapa pola...", "Seria obliczeń..."}},
        {"Okno", {"Kaskada", "Poziomo", "Pionowo"}},
        {"Pomoc", {"Pomoc", "Język / Language", "Informacje o programie"}},
    };
    const auto& bar = child<QMenuBar>(main(), "MainMenu1");
    const auto menus = bar.actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QMenu* menu = menus[static_cast<qsizetype>(i)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), expected[i].first);
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items.append(action->isSeparator() ? QStringLiteral("---------------------")
                                               : action->text());
        }
        EXPECT_EQ(items, expected[i].second) << expected[i].first.toStdString();
    }
    EXPECT_TRUE(child<QAction>(main(), "N1").isSeparator());
    EXPECT_EQ(&main().chartMenu(), menus[2]->menu());
}

TEST_F(MainWindowTest, ToolbarButtonsInOrderWithHintsAndStatusTexts) {
    struct Button {
        const char* name;
        const char* hint;
        const char* status;
        int width;
    };
    const Button buttons[] = {
        {"BitBtn4", "Nowy słup", "Utworzenie nowego słupa...", 33},
        {"BitBtn3", "Wczytanie słupa", "Wczytanie danych nowego słupa z pliku definicji...", 32},
        {"BitBtn5", "Zapisanie wyników", "Zapisanie wyników (danych oraz wykresów)...", 32},
        {"BitBtn11", "Wydruk wyników", "Drukowanie wyników (wykres lub rozkład pola)...", 32},
        {"BitBtn1", "Wykonanie obliczeń",
         "Wykonanie obliczeń dla podanych parametrów linii energetycznej...", 32},
        {"BitBtn10", "Pomoc", "Wczytuje i wyświetla plik pomocy...", 32},
        {"BitBtn2", "Wyjście z programu", "Wyjście z programu...", 32},
    };
    const QLayout& bar = *child<QWidget>(main(), "ToolBar1").layout();
    for (int i = 0; i < static_cast<int>(std::size(buttons)); ++i) {
        const Button& b = buttons[i];
        auto& button = child<QAbstractButton>(main(), b.name);
        EXPECT_EQ(bar.itemAt(i)->widget(), &button) << b.name;
        EXPECT_EQ(button.toolTip(), b.hint);
        EXPECT_FALSE(button.icon().isNull()) << b.name;
        EXPECT_EQ(button.maximumSize(), QSize(b.width, 24));

        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&button, &in);
        EXPECT_EQ(main().statusText(1), b.status);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&button, &out);
        EXPECT_EQ(main().statusText(1), "");
    }
    EXPECT_EQ(child<QWidget>(main(), "ToolBar1").maximumHeight(), 29);
}

TEST_F(MainWindowTest, SplashShowsOnceAndItsTimerClosesIt) {
    TW_Splash& splash = app->splash();
    EXPECT_TRUE(splash.timer().isActive());
    EXPECT_EQ(splash.timer().interval(), 5000);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(
        child<QTextEdit>(splash, "Memo1").toPlainText().startsWith("VELT 2009 dla Windows"));

    prompter->expect("TW_Splash", [](QDialog& d) {
        EXPECT_TRUE(d.isVisible());
        static_cast<TW_Splash&>(d).Timer1Timer();
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    main().show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(splash.timer().isActive());
    main().hide();
    main().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_Splash"}));
}

TEST_F(MainWindowTest, SplashClosesWithItsOkButton) {
    prompter->expectClick("TW_Splash", "BitBtn1");
    main().show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(app->splash().isVisible());
}

TEST(ScaleDimTest, ConvertsFrom120DotsPerInchRoundingHalvesUp) {
    EXPECT_EQ(ScaleDim(760, 96), 608);
    EXPECT_EQ(ScaleDim(560, 96), 448);
    EXPECT_EQ(ScaleDim(41, 96), 33);
    EXPECT_EQ(ScaleDim(8, 96), 6);
    EXPECT_EQ(ScaleDim(25, 108), 23); // 22.5
    EXPECT_EQ(ScaleDim(41, 144), 49);
    EXPECT_EQ(ScaleDim(0, 96), 0);
    for (const FormSize& form : formSizes()) {
        EXPECT_EQ(ScaleDim(form.width, kLayoutDpi), form.width);
        EXPECT_EQ(ScaleDim(form.height, kLayoutDpi), form.height);
    }
}

TEST_F(MainWindowTest, LayoutTableAppliesOnlyAwayFrom120Dpi) {
    const QSize designed = main().size();
    main().applyLayout(120);
    EXPECT_EQ(main().size(), designed);
    EXPECT_EQ(designed, QSize(760, 550));

    main().applyLayout(96);
    EXPECT_EQ(main().size(), QSize(608, 448));
    EXPECT_EQ(app->przesSlup().width(), 280);
    EXPECT_EQ(child<QWidget>(main(), "StatusBar1").height(), ScaleDim(24, 96));
}

TEST_F(MainWindowTest, EndsWithoutQuestionWithoutCalculationOrChildWindow) {
    showMain();
    addChild("Wariant 1.");
    EXPECT_TRUE(main().close()); // no calculation done
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_Splash"}));

    main().show(); // the splash comes only once
    QCoreApplication::processEvents();
    EXPECT_TRUE(main().mdiArea().subWindowList().isEmpty()); // closed with the program
    app->project().calculationDone = 1;
    EXPECT_TRUE(main().close()); // no child window
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_Splash"}));
}

TEST_F(MainWindowTest, ExitQuestionAnswers) {
    showMain();
    app->project().calculationDone = 1;
    addChild("Wariant 1.");

    prompter->expectAnswer("TW_EndAsk", mrCancel);
    EXPECT_FALSE(main().close());
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(main().closingAll());

    // Escape answers "Nie": the program ends without saving and closes the children.
    prompter->expect("TW_EndAsk", [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_TRUE(main().close());
    EXPECT_TRUE(main().closingAll());
    EXPECT_TRUE(main().mdiArea().subWindowList().isEmpty());
}

TEST_F(MainWindowTest, ExitQuestionClosedByItsWindowKeepsTheProgram) {
    showMain();
    app->project().calculationDone = 1;
    addChild("Wariant 1.");
    prompter->expect("TW_EndAsk", [](QDialog& d) {
        d.close();
        return d.result();
    });
    EXPECT_FALSE(main().close());
    prompter->expectClick("TW_EndAsk", "BitBtn3"); // "Anuluj"
    EXPECT_FALSE(main().close());
    prompter->expectClick("TW_EndAsk", "BitBtn2"); // "Nie"
    EXPECT_TRUE(main().close());
}

TEST_F(MainWindowTest, SavingWalkAsksFromTheLastWindowAndStopsOnItsAnswers) {
    showMain();
    app->project().calculationDone = 1;
    QMdiSubWindow* windows[] = {addChild("Wariant 1."), addChild("Wariant 2."),
                                addChild("Wariant 3.")};
    const auto answerFor = [&](QMdiSubWindow* expected, const QString& button) {
        return [=](QDialog& d) {
            EXPECT_TRUE(expected->isMaximized()) << expected->windowTitle().toStdString();
            return clickIn(d, button);
        };
    };

    // "Anuluj" in the middle of the walk keeps the program with every window.
    prompter->expectClick("TW_EndAsk", "BitBtn1");
    prompter->expect("TW_Save", answerFor(windows[2], "BitBtn2"));
    prompter->expect("TW_Save", answerFor(windows[1], "BitBtn3"));
    EXPECT_FALSE(main().close());
    EXPECT_EQ(main().mdiArea().subWindowList().size(), 3);

    // "Nie", then "Wyjdź": the first window is never asked about.
    prompter->expectClick("TW_EndAsk", "BitBtn1");
    prompter->expect("TW_Save", answerFor(windows[2], "BitBtn2"));
    prompter->expect("TW_Save", [](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape); // Escape is "Nie"
        return d.result();
    });
    prompter->expect("TW_Save", answerFor(windows[0], "BitBtn4"));
    EXPECT_TRUE(main().close());
}

TEST_F(MainWindowTest, SaveAndPrintRefuseBeforeACalculationOrWithoutAVariant) {
    addChild("Wariant 1.");
    main().Drukuj1Click();
    main().Drukujwyniki1Click();
    EXPECT_EQ(prompter->messages,
              QStringList({"Nie wykonano obliczeń!", "Nie wykonano obliczeń!"}));

    prompter->messages.clear();
    for (QMdiSubWindow* window : main().mdiArea().subWindowList()) {
        window->close();
    }
    app->project().calculationDone = 1;
    main().Drukuj1Click();
    main().Drukujwyniki1Click();
    EXPECT_EQ(prompter->messages,
              QStringList({"Nie wybrano wariantu!", "Nie wybrano wariantu do druku!"}));
}

TEST_F(MainWindowTest, LineDataNotAcceptedUnlessTheDialogSaysYes) {
    app->project().lineDataAccepted = true;
    prompter->expectAnswer("TW_LoadS", mrCancel);
    main().BitBtn3Click();
    EXPECT_FALSE(app->project().lineDataAccepted);
    app->project().lineDataAccepted = true;
    prompter->expectAnswer("TW_LoadS", mrNo);
    child<QAction>(main(), "Wczytajsup1").trigger();
    EXPECT_FALSE(app->project().lineDataAccepted);
}

TEST_F(MainWindowTest, EveryToolbarButtonAndMenuItemRunsItsOwnCommand) {
    showMain();
    main().resize(800, 600);
    app->project().calculationDone = 1; // saving and printing then ask for a variant
    QMdiSubWindow* windows[] = {addChild("Wariant 1."), addChild("Wariant 2.")};
    const QRect area = main().mdiArea().viewport()->rect();

    // What a command did, told apart from every other command.
    const auto effectOf = [&](const std::function<void()>& trigger) {
        for (QMdiSubWindow* window : windows) {
            window->setGeometry(0, 0, 100, 80);
        }
        main().mdiArea().setActiveSubWindow(nullptr);
        prompter->dialogs.clear();
        prompter->messages.clear();
        trigger();
        QStringList effect = prompter->dialogs + prompter->messages;
        const auto take = [&](QWidget& window, const char* name) {
            if (window.isVisible()) {
                effect.append(name);
                window.close();
            }
        };
        take(app->help(), "help");
        take(app->about(), "about");
        if (!main().isVisible()) {
            effect.append("closed");
        } else if (windows[0]->width() == area.width() && windows[1]->width() == area.width()) {
            effect.append("tiled horizontally");
        } else if (windows[0]->height() == area.height() && windows[1]->height() == area.height()) {
            effect.append("tiled vertically");
        } else if (windows[1]->pos() != windows[0]->pos()) {
            effect.append("cascaded");
        }
        return effect.join(" + ");
    };
    struct Command {
        const char* button; ///< on the toolbar, if there
        const char* item;   ///< in the menu
        const char* dialog; ///< a dialog it shows, answered "Anuluj"
        const char* effect;
    };
    const Command commands[] = {
        {"BitBtn4", "Nowysup1", "TW_New", "TW_New"},
        {"BitBtn3", "Wczytajsup1", "TW_LoadS", "TW_LoadS"},
        {"BitBtn5", "Drukuj1", nullptr, "Nie wybrano wariantu!"},
        {"BitBtn11", "Drukujwyniki1", nullptr, "Nie wybrano wariantu do druku!"},
        {"BitBtn1", "Wykonaj1", nullptr, "Nie podano danych!"},
        {"BitBtn10", "Pomoc2", nullptr, "help"},
        {nullptr, "Informacjeoprogramie1", nullptr, "about"},
        {nullptr, "Poziomo1", nullptr, "tiled horizontally"},
        {nullptr, "Pionowo1", nullptr, "tiled vertically"},
        {nullptr, "Kaskada1", nullptr, "cascaded"},
        {nullptr, "Zapiszsup1", nullptr, "Nie podano danych!"}, // no accepted line to save
    };
    for (const Command& c : commands) {
        if (c.button != nullptr) {
            if (c.dialog != nullptr) {
                prompter->expectAnswer(c.dialog, mrCancel);
            }
            EXPECT_EQ(effectOf([&] { child<QAbstractButton>(main(), c.button).click(); }), c.effect)
                << c.button;
        }
        if (c.dialog != nullptr) {
            prompter->expectAnswer(c.dialog, mrCancel);
        }
        EXPECT_EQ(effectOf([&] { child<QAction>(main(), c.item).trigger(); }), c.effect) << c.item;
    }

    app->project().calculationDone = 0; // no question before the end
    EXPECT_EQ(effectOf([&] { child<QAbstractButton>(main(), "BitBtn2").click(); }), "closed");
    main().show();
    EXPECT_EQ(effectOf([&] { child<QAction>(main(), "Zakoczprogram1").trigger(); }), "closed");
}

TEST_F(MainWindowTest, HelpOpensOnItsContentsWithEveryPageBundled) {
    main().BitBtn10Click();
    HelpViewer& help = app->help();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.currentTab(), 0);
    EXPECT_TRUE(help.currentPage().endsWith("VELT2009/index.html"));
    EXPECT_GE(help.topicCount(), 5);
    for (const char* page :
         {"index", "okno", "linia", "obliczenia", "wyniki", "slupy", "projekty"}) {
        QFile file(QStringLiteral(":/help/VELT2009/%1.html").arg(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        EXPECT_GT(file.size(), 1000) << page;
    }
    EXPECT_FALSE(help.winHelp("INNY", HelpViewer::kHelpTopics, 0));

    // The contents and the links between the pages lead to the pages.
    auto& contents = child<QTreeWidget>(help, "Contents");
    emit contents.itemClicked(contents.topLevelItem(2), 0);
    EXPECT_TRUE(help.currentPage().endsWith("VELT2009/linia.html"));
    auto& page = child<QTextBrowser>(help, "Page");
    EXPECT_TRUE(page.toPlainText().contains("Wczytanie słupa"));
    page.setSource(QUrl("obliczenia.html"));
    EXPECT_TRUE(page.toPlainText().contains("Rodzaje obliczeń"));
}

TEST_F(MainWindowTest, AboutWindowDoesNotBlock) {
    child<QAction>(main(), "Informacjeoprogramie1").trigger();
    QWidget& about = app->about();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_TRUE(prompter->dialogs.isEmpty());
    const QString memo = child<QTextEdit>(about, "Memo1").toPlainText();
    EXPECT_TRUE(memo.startsWith("VELT 2009 dla Windows\nObliczenia pola elektromagnetycznego pod "
                                "\nliniami \nelektroenergetycznymi\n\n"));
    child<QAbstractButton>(about, "BitBtn1").click();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainWindowTest, ChildWindowsCascadeAndTile) {
    showMain();
    main().resize(800, 600);
    QMdiSubWindow* windows[] = {addChild("Wariant 1."), addChild("Wariant 2."),
                                addChild("Wariant 3.")};
    windows[2]->showMaximized();
    const QRect area = main().mdiArea().viewport()->rect();

    main().Poziomo1Click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(windows[i]->isMaximized());
        EXPECT_EQ(windows[i]->width(), area.width());
        EXPECT_EQ(windows[i]->y(), area.height() * i / 3);
    }
    main().Pionowo1Click();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->height(), area.height());
        EXPECT_EQ(windows[i]->x(), area.width() * i / 3);
    }
    child<QAction>(main(), "Kaskada1").trigger();
    EXPECT_LT(windows[0]->y(), windows[1]->y());
    EXPECT_LT(windows[1]->y(), windows[2]->y());
}

} // namespace
} // namespace velt::test
