// The calculate command in the desktop program: the data window, the variants and their
// windows, saving a variant.

#include "app/Variants.h"
#include "AppFixture.h"
#include "app/TW_Main.h"
#include "app/VariantWindow.h"
#include "cli/BatchRun.h"
#include "project/ProjectFile.h"
#include "render/GifWriter.h"
#include "widgets/ModalDialog.h"

#include <gif_lib.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinterInfo>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velt::test {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class VariantsTest : public AppFixture {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("velt-variants-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        // Child windows are activated only in a frame on the screen.
        prompter->expectAnswer("TW_Splash", mrOk);
        main().show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        AppFixture::TearDown();
        fs::remove_all(folder);
    }

    TW_Main& main() { return app->mainWindow(); }

    /// The line of examples/z52-horizontal.json accepted, as velt-calc accepts it; the
    /// line-data dialog's defaults ask for the electric field 2 m above the ground.
    void acceptZ52() {
        auto project = std::make_unique<LineProject>();
        auto loaded = std::make_unique<LoadedProject>();
        const std::string text = fileText(fs::path(VELT_EXAMPLES_DIR) / "z52-horizontal.json");
        ASSERT_EQ(loadProject(text, "", *project, *loaded).status, LoadStatus::Accepted);
        app->project() = *project;
    }

    /// Answers the range, comment and drawing-range questions of one calculation.
    void answerCalculation(const QString& range, const QString& comment, const QString& drawRange) {
        prompter->expect("TW_ZObl", [this, range](QDialog& d) {
            seenDataWindow = dataWindowTitle();
            child<QLineEdit>(d, "Edit1").setText(range);
            return clickIn(d, "BitBtn1");
        });
        prompter->expect("TW_Kom", [comment](QDialog& d) {
            child<QLineEdit>(d, "Edit1").setText(comment);
            return clickIn(d, "BitBtn1");
        });
        prompter->expect("TW_ZRys", [drawRange](QDialog& d) {
            child<QLineEdit>(d, "Edit1").setText(drawRange);
            return clickIn(d, "BitBtn1");
        });
    }

    /// The line and answers of examples/z52-horizontal.json, as velt-calc takes them.
    void calculateAsTheExample() {
        acceptZ52();
        answerCalculation(
            "50.0", "Linia dwutorowa 400 kV, natężenie pola elektrycznego 2 m nad ziemią", "40.0");
        main().Oblicz();
    }

    void calculate(const QString& comment = "Wariant testowy") {
        answerCalculation("50", comment, "40");
        main().Oblicz();
    }

    QString dataWindowTitle() {
        QMdiSubWindow* active = main().mdiArea().activeSubWindow();
        return active == nullptr ? QString() : active->windowTitle();
    }

    QMdiSubWindow* windowOf(const QString& title) {
        for (QMdiSubWindow* window : main().mdiArea().subWindowList()) {
            if (window->windowTitle() == title) {
                return window;
            }
        }
        return nullptr;
    }

    QAction* itemOf(const QString& text) {
        for (QAction* item : main().chartMenu().actions()) {
            if (item->text() == text) {
                return item;
            }
        }
        return nullptr;
    }

    fs::path folder;
    QString seenDataWindow;
};

TEST_F(VariantsTest, NothingToCalculateBeforeTheLineDataAreAccepted) {
    main().Oblicz();
    EXPECT_EQ(prompter->messages, QStringList({"Nie podano danych!"}));
    EXPECT_TRUE(windowTitles().isEmpty());
    EXPECT_TRUE(menuItems().isEmpty());
}

TEST_F(VariantsTest, EachCalculationOpensANumberedVariant) {
    acceptZ52();
    calculate();
    EXPECT_EQ(seenDataWindow, "Pobrane dane do obliczeń");
    QCoreApplication::processEvents();
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 1."}));
    EXPECT_EQ(main().statusText(1), "Obliczenia wykonane...");
    calculate();
    QCoreApplication::processEvents();
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 1.", "Wariant 2."}));
    EXPECT_EQ(menuItems(), QStringList({"Wariant 1.", "Wariant 2."}));
    EXPECT_EQ(main().mdiArea().activeSubWindow(), windowOf("Wariant 2."));

    // The menu brings the first back, maximized.
    itemOf("Wariant 1.")->trigger();
    EXPECT_EQ(main().mdiArea().activeSubWindow(), windowOf("Wariant 1."));
    EXPECT_TRUE(windowOf("Wariant 1.")->isMaximized());
    const VariantView* view = Variants::graphOf(windowOf("Wariant 1."));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->record().variantNumber, 1);
    EXPECT_EQ(view->size(), windowOf("Wariant 1.")->contentsRect().size());
}

TEST_F(VariantsTest, ClosingAsksAndNumbersAreNeverReused) {
    acceptZ52();
    calculate();
    calculate();
    prompter->expectClick("TW_UWar", "BitBtn2"); // "Nie"
    EXPECT_FALSE(windowOf("Wariant 1.")->close());
    EXPECT_EQ(menuItems(), QStringList({"Wariant 1.", "Wariant 2."}));

    prompter->expectClick("TW_UWar", "BitBtn1"); // "Tak"
    EXPECT_TRUE(windowOf("Wariant 1.")->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 2."}));
    EXPECT_EQ(menuItems(), QStringList({"Wariant 2."}));

    calculate();
    QCoreApplication::processEvents();
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 2.", "Wariant 3."}));
    EXPECT_EQ(prompter->dialogs.count("TW_UWar"), 2);
}

TEST_F(VariantsTest, AVariantKeepsItsOwnResults) {
    acceptZ52();
    calculate("pierwszy");
    const double firstHeight =
        Variants::graphOf(windowOf("Wariant 1."))->record().resultConductorY[1];
    for (int i = 1; i <= 6; ++i) {
        app->project().conductorY[i] += 3.0;
    }
    calculate("drugi");
    const FieldProfile& first = Variants::graphOf(windowOf("Wariant 1."))->record();
    const FieldProfile& second = Variants::graphOf(windowOf("Wariant 2."))->record();
    EXPECT_EQ(first.resultConductorY[1], firstHeight);
    EXPECT_EQ(second.resultConductorY[1], firstHeight + 3.0);
    EXPECT_STREQ(first.resultComment, "pierwszy");
    EXPECT_GT(first.resultMaxValue, second.resultMaxValue);
}

TEST_F(VariantsTest, SavingRefusesWithoutAVariantAndWritesNothingWhenCancelled) {
    main().Drukuj1Click();
    acceptZ52();
    calculate();
    prompter->expectFileName(QString());
    main().Drukuj1Click();
    EXPECT_EQ(prompter->messages, QStringList({"Nie wykonano obliczeń!"}));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(VariantsTest, SavedPictureAndReportAreWhatTheWindowAndVeltCalcShow) {
    // velt-calc's report of the same project and answers.
    std::ostringstream out;
    std::ostringstream err;
    const std::string example = (fs::path(VELT_EXAMPLES_DIR) / "z52-horizontal.json").string();
    ASSERT_EQ(runVeltCalc({example, "-o", (folder / "calc").string()}, out, err), 0) << err.str();

    calculateAsTheExample();
    main().resize(900, 700);
    QCoreApplication::processEvents();
    prompter->expectFileName(QString::fromStdString((folder / "wyniki.dat").string()));
    main().Drukuj1Click();
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("\n").toStdString();
    EXPECT_EQ(fileText(folder / "wyniki.txt"), fileText(folder / "calc.txt"));

    const VariantView* view = Variants::graphOf(main().mdiArea().activeSubWindow());
    ASSERT_NE(view, nullptr);
    // Run again on a display of twice the pixels (QT_SCALE_FACTOR=2): the picture keeps the
    // window's size in logical pixels, as "Rozmiar obrazu" shows it and velt-calc draws it.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(view->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const QImage shown = view->picture();
    EXPECT_EQ(shown.size(), view->size());
    int error = 0;
    GifFileType* gif = DGifOpenFileName((folder / "wyniki.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, view->width());
    EXPECT_EQ(gif->SHeight, view->height());
    int compared = 0;
    for (int y = 0; y < gif->SHeight; ++y) {
        for (int x = 0; x < gif->SWidth; ++x) {
            const QRgb colour = shown.pixel(x, y) | 0xff000000u;
            if (std::find(std::begin(kGraphColours), std::end(kGraphColours), colour) ==
                std::end(kGraphColours)) {
                continue;
            }
            const GifColorType c =
                gif->SColorMap->Colors[gif->SavedImages[0].RasterBits[y * gif->SWidth + x]];
            ASSERT_EQ(qRgb(c.Red, c.Green, c.Blue), colour) << x << "," << y;
            ++compared;
        }
    }
    DGifCloseFile(gif, &error);
    EXPECT_GT(compared, gif == nullptr ? 0 : 1000);
}

TEST_F(VariantsTest, AFailedSaveSaysSoAndLeavesNothingHalfWritten) {
    acceptZ52();
    calculate();
    const fs::path missing = folder / "brak" / "wyniki";
    prompter->expectFileName(QString::fromStdString(missing.string()));
    main().Drukuj1Click();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].contains(QString::fromStdString(missing.string())));
    EXPECT_FALSE(fs::exists(folder / "brak"));
}

TEST_F(VariantsTest, PrintingRefusesWithoutACalculationOrAVariant) {
    main().Drukujwyniki1Click();
    app->project().calculationDone = 1;
    main().Drukujwyniki1Click();
    EXPECT_EQ(prompter->messages,
              QStringList({"Nie wykonano obliczeń!", "Nie wybrano wariantu do druku!"}));
}

// Without a printer the page goes into a PDF file: one landscape page.
TEST_F(VariantsTest, WithoutAPrinterThePageIsSavedAsPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a printer is installed here";
    }
    acceptZ52();
    calculate();
    prompter->expectFileName(QString::fromStdString((folder / "wydruk").string()));
    main().Drukujwyniki1Click();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith("Brak drukarki"));
    EXPECT_EQ(prompter->fileQuestions, QStringList({"Zapis wydruku|Pliki PDF (*.pdf *.PDF)"}));
    const std::string pdf = fileText(folder / "wydruk.pdf");
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    // A4 across: 842 by 595 points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "wydruk.pdf.~velt"));
}

TEST_F(VariantsTest, ClosingWalksTheVariantsFromTheLast) {
    acceptZ52();
    calculate("pierwszy");
    calculate("drugi");
    calculate("trzeci");
    const QString saved = QString::fromStdString((folder / "wyniki").string());
    prompter->expectClick("TW_EndAsk", "BitBtn1");
    prompter->expect("TW_Save", [this](QDialog& d) {
        EXPECT_EQ(dataWindowTitle(), "Wariant 3.");
        return clickIn(d, "BitBtn2"); // "Nie"
    });
    prompter->expect("TW_Save", [this](QDialog& d) {
        EXPECT_EQ(dataWindowTitle(), "Wariant 2.");
        return clickIn(d, "BitBtn1"); // "Tak"
    });
    prompter->expectFileName(saved);
    prompter->expectClick("TW_Save", "BitBtn4"); // "Wyjdź"
    EXPECT_TRUE(main().close());
    EXPECT_NE(fileText(folder / "wyniki.txt").find("Komentarz: drugi"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "wyniki.gif"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(windowTitles().isEmpty());
    EXPECT_EQ(prompter->dialogs.count("TW_UWar"), 0);
}

TEST_F(VariantsTest, ClosingStopsAtCancelAndAtAFailedSave) {
    acceptZ52();
    calculate();
    calculate();
    prompter->expectClick("TW_EndAsk", "BitBtn1");
    prompter->expectClick("TW_Save", "BitBtn1");
    prompter->expectFileName(QString::fromStdString((folder / "drugi").string()));
    prompter->expectClick("TW_Save", "BitBtn3"); // "Anuluj"
    EXPECT_FALSE(main().close());
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 1.", "Wariant 2."}));
    EXPECT_TRUE(fs::exists(folder / "drugi.txt"));

    // A save the user asked for that fails stops the walk: nothing is lost.
    prompter->expectClick("TW_EndAsk", "BitBtn1");
    prompter->expectClick("TW_Save", "BitBtn1");
    prompter->expectFileName(QString::fromStdString((folder / "brak" / "x").string()));
    EXPECT_FALSE(main().close());
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(windowTitles(), QStringList({"Wariant 1.", "Wariant 2."}));
}

// velt-calc --png draws what the variant window shows, pixel for pixel.
TEST_F(VariantsTest, VeltCalcPictureIsTheWindow) {
    calculateAsTheExample();
    QCoreApplication::processEvents();
    const VariantView* view = Variants::graphOf(main().mdiArea().activeSubWindow());
    ASSERT_NE(view, nullptr);
    const QImage shown = view->picture().convertToFormat(QImage::Format_RGB32);

    const std::string example = (fs::path(VELT_EXAMPLES_DIR) / "z52-horizontal.json").string();
    const std::string png = (folder / "wykres.png").string();
    const std::string size = std::to_string(shown.width()) + "x" + std::to_string(shown.height());
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runVeltCalc({example, "-o", (folder / "calc").string(), "--png", png, "--size", size},
                          out, err),
              0)
        << err.str();
    const QImage written =
        QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(written, shown);
}

// Any name the save question gives writes the pair beside each other, or says why not.
// "Zapisz wyniki" asks once, naming them, before it replaces either file of the pair; "Nie"
// writes nothing.
TEST_F(VariantsTest, ResultsThatExistAreReplacedOnlyWhenAgreed) {
    acceptZ52();
    calculate();
    const fs::path gif = folder / "wyniki.gif";
    const fs::path txt = folder / "wyniki.txt";
    std::ofstream(txt) << "stary raport";
    prompter->expectFileName(QString::fromStdString((folder / "wyniki").string()));
    prompter->expectQuestion(mrNo);
    main().Drukuj1Click();
    EXPECT_EQ(prompter->questions.back(),
              QString::fromStdString("\nPlik już istnieje:\n" + txt.string() +
                                     "\nCzy chcesz go zastąpić?"));
    EXPECT_FALSE(fs::exists(gif));
    EXPECT_EQ(fs::file_size(txt), std::string("stary raport").size());

    prompter->expectFileName(QString::fromStdString((folder / "wyniki").string()));
    prompter->expectQuestion(mrYes);
    main().Drukuj1Click();
    EXPECT_TRUE(fs::exists(gif));
    EXPECT_GT(fs::file_size(txt), 100u);

    // Both exist now: one question names both.
    prompter->expectFileName(QString::fromStdString((folder / "wyniki.txt").string()));
    prompter->expectQuestion(mrNo);
    main().Drukuj1Click();
    EXPECT_EQ(prompter->questions.back(),
              QString::fromStdString("\nPliki już istnieją:\n" + gif.string() + "\n" +
                                     txt.string() + "\nCzy chcesz je zastąpić?"));
    EXPECT_EQ(prompter->questions.size(), 3);
}

TEST_F(VariantsTest, SavedNamesWithLettersSpacesAndDots) {
    acceptZ52();
    calculate();
    fs::create_directories(folder / "katalog");
    const std::pair<std::string, std::string> names[] = {
        {"wyniki łąka", "wyniki łąka"}, {"a.b.c", "a.b"}, {"katalog", "katalog"}};
    for (const auto& [chosen, base] : names) {
        SCOPED_TRACE(chosen);
        prompter->expectFileName(QString::fromStdString((folder / chosen).string()));
        main().Drukuj1Click();
        EXPECT_TRUE(fs::is_regular_file(folder / (base + ".gif")));
        EXPECT_TRUE(fs::is_regular_file(folder / (base + ".txt")));
    }
    EXPECT_TRUE(fs::is_directory(folder / "katalog"));
    EXPECT_TRUE(prompter->messages.isEmpty());

    // A folder named like the picture is never replaced; the report is not written either.
    fs::create_directories(folder / "zajete.gif");
    prompter->expectFileName(QString::fromStdString((folder / "zajete").string()));
    main().Drukuj1Click();
    EXPECT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(fs::is_directory(folder / "zajete.gif"));
    EXPECT_FALSE(fs::exists(folder / "zajete.txt"));
}

} // namespace
} // namespace velt::test
