// "Mapa pola..." in the desktop program: the grid dialog, the map variant's window, its
// saving, printing and export, and the value under the mouse.

#include "app/FieldMapWindow.h"
#include "LineDataTyping.h"
#include "analysis/MagneticUnits.h"
#include "app/TW_Main.h"
#include "app/Variants.h"
#include "cli/BatchRun.h"

#include <gif_lib.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace velt::test {
namespace {

std::string readText(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QString example(const char* name) {
    return QStringLiteral(VELT_EXAMPLES_DIR "/%1.json").arg(QLatin1String(name));
}

/// What the grid dialog gets typed, field by field (Edit1 range ... Edit4 step up).
using GridEntries = std::vector<std::pair<QString, QString>>;

class FieldMapWindowTest : public LineDataFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        showMainWindow();
    }

    TW_Main& main() { return app->mainWindow(); }
    QString file(const QString& name) const { return folder.filePath(name); }

    void open(const char* name) { ASSERT_TRUE(main().openProject(example(name))); }

    /// "Mapa pola..." with `entries` typed into the grid dialog and "&Tak" clicked; the
    /// dialog's result.
    int mapWith(const GridEntries& entries) {
        int result = -1;
        prompter->expect("TW_Mapa", [&](QDialog& d) {
            for (const auto& [field, text] : entries) {
                type(d, field, text);
            }
            return result = clickIn(d, "BitBtn1");
        });
        triggerMap();
        return result;
    }

    /// "Mapa pola..." from the menu.
    void triggerMap() {
        child<QAction>(main(), "Mapapola1").trigger();
        // The offscreen platform activates the closed dialog late, and with it nothing; a
        // desktop gives the activation back to the frame.
        QCoreApplication::processEvents();
        main().activateWindow();
        QCoreApplication::processEvents();
    }

    /// The active map variant; none when another window is active.
    FieldMapView* activeMap() {
        QMdiSubWindow* active = main().mdiArea().activeSubWindow();
        return active == nullptr ? nullptr : qobject_cast<FieldMapView*>(active->widget());
    }

    /// The captions of the child windows and then, after "|", of the "Wykres" menu.
    QString captions() {
        QStringList texts;
        for (QMdiSubWindow* window : main().mdiArea().subWindowList()) {
            texts.append(window->windowTitle());
        }
        texts.append("|");
        for (QAction* item : main().chartMenu().actions()) {
            texts.append(item->text());
        }
        return texts.join(' ');
    }

    /// velt-calc's --map of example `name` on `grid`, as a text.
    std::string veltCalcMap(const char* name, const std::string& grid) {
        const std::string csv = file("calc-map.csv").toStdString();
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runVeltCalc({example(name).toStdString(), "-o", file("calc").toStdString(),
                               "--map", csv, "--map-grid", grid},
                              out, err),
                  0)
            << err.str();
        return readText(QString::fromStdString(csv));
    }

    /// The status bar's message after the mouse moved to `pixel` of `view`.
    QString hover(FieldMapView& view, QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, view.mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
        return main().statusText(1);
    }

    QTemporaryDir folder;
};

TEST_F(FieldMapWindowTest, NothingToMapBeforeTheLineDataAreAccepted) {
    child<QAction>(main(), "Mapapola1").trigger();
    EXPECT_EQ(prompter->messages, QStringList({"Nie podano danych!"}));
    EXPECT_EQ(prompter->dialogs, QStringList({"TW_Splash"}));
    EXPECT_EQ(captions(), "|");
}

// A map takes the next number, shared with the calculations' variants; the range proposed
// is the project's, the grid the default 201 by 101 points up to 5 m over the highest wire.
TEST_F(FieldMapWindowTest, AMapVariantTakesTheNextNumber) {
    open("h52-magnetic-building");
    prompter->expect("TW_Mapa", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "Edit1"), "60");
        EXPECT_EQ(textOf(d, "Edit2"), "");
        return clickIn(d, "BitBtn1");
    });
    triggerMap();
    EXPECT_EQ(captions(), "Mapa pola 1. | Mapa pola 1.");
    const FieldMapView* view = activeMap();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->map().magnetic);
    EXPECT_EQ(view->map().grid.columns, 201);
    EXPECT_EQ(view->map().grid.rows, 101);
    EXPECT_DOUBLE_EQ(view->map().grid.y(100), 24.0 + 5.0);

    prompter->expectClick("TW_ZObl", "BitBtn1");
    prompter->expectClick("TW_Kom", "BitBtn1");
    prompter->expectClick("TW_ZRys", "BitBtn1");
    main().Oblicz();
    EXPECT_EQ(mapWith({{"Edit3", "2"}, {"Edit4", "1"}}), mrYes);
    EXPECT_EQ(captions(), "Mapa pola 1. Wariant 2. Mapa pola 3. | Mapa pola 1. Wariant 2. "
                          "Mapa pola 3.");
    EXPECT_EQ(activeMap()->map().grid.columns, 31);
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();

    // The menu brings the first back.
    child<QMenu>(main(), "Wykres1").actions().first()->trigger();
    EXPECT_EQ(activeMap()->number(), 1);
}

// A refused grid says why and keeps the dialog open; nothing is computed.
TEST_F(FieldMapWindowTest, ARefusedGridSaysWhyAndOpensNothing) {
    const struct {
        GridEntries entries;
        QString message;
    } cases[] = {
        {{{"Edit1", ""}}, "Zasięg mapy pola musi być większy od 0.0!"},
        {{{"Edit2", "0"}}, "Wysokość mapy pola musi być większa od 0.0!"},
        {{{"Edit3", "0"}}, "Krok siatki X musi być większy od 0.0!"},
        {{{"Edit4", "-1"}}, "Krok siatki Y musi być większy od 0.0!"},
        // 1001 by 1001 points: one row too many.
        {{{"Edit2", "10"}, {"Edit3", "0.1"}, {"Edit4", "0.01"}},
         "Siatka mapy pola ma 1002001 punktów, a może mieć najwyżej 1000000!"},
    };
    open("z52-horizontal");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        prompter->messages.clear();
        EXPECT_EQ(mapWith(c.entries), mrNone);
        EXPECT_EQ(prompter->messages, QStringList({c.message}));
    }
    EXPECT_EQ(captions(), "|");
    EXPECT_EQ(app->project().variantCounter, 0);

    // Corrected in the same showing, the grid is taken.
    prompter->messages.clear();
    prompter->expect("TW_Mapa", [](QDialog& d) {
        type(d, "Edit3", "0");
        EXPECT_EQ(clickIn(d, "BitBtn1"), mrNone);
        EXPECT_TRUE(d.isVisible());
        type(d, "Edit3", "0.1");
        return clickIn(d, "BitBtn1");
    });
    triggerMap();
    EXPECT_EQ(prompter->messages, QStringList({"Krok siatki X musi być większy od 0.0!"}));
    EXPECT_EQ(activeMap()->map().grid.columns, 1001);
}

// "Zapisz wyniki": the picture of the window's size and, beside it, velt-calc's table.
TEST_F(FieldMapWindowTest, SavingWritesThePictureOfTheWindowAndTheTable) {
    open("z52-horizontal");
    ASSERT_EQ(mapWith({{"Edit2", "20"}, {"Edit3", "1"}, {"Edit4", "0.5"}}), mrYes);
    FieldMapView* view = activeMap();
    ASSERT_NE(view, nullptr);
    prompter->expectFileName(file("mapa.dat"));
    main().Drukuj1Click();
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_EQ(readText(file("mapa.txt")), veltCalcMap("z52-horizontal", "1,0.5,20"));

    int error = 0;
    GifFileType* gif = DGifOpenFileName(file("mapa.gif").toLocal8Bit().constData(), &error);
    ASSERT_NE(gif, nullptr);
    const QSize picture(gif->SWidth, gif->SHeight);
    DGifCloseFile(gif, &error);
    EXPECT_EQ(picture, view->size());
    EXPECT_GT(view->width(), 500);
    // The saved picture is what the window shows; on a display of twice the pixels
    // (QT_SCALE_FACTOR=2) it keeps the window's logical size.
    if (view->devicePixelRatioF() == 1.0) {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, view->picture().convertToFormat(QImage::Format_RGB32));
    }
}

// "Eksportuj wariant...": every form of the map; the table is velt-calc's --map.
TEST_F(FieldMapWindowTest, ExportingWritesEveryForm) {
    open("z52-horizontal");
    ASSERT_EQ(mapWith({{"Edit3", "0.5"}, {"Edit4", "0.25"}}), mrYes);
    const QSize windowSize = activeMap()->size();
    for (const char* name : {"mapa", "mapa.svg", "mapa.pdf", "mapa.csv"}) {
        prompter->expectFileName(file(name));
    }
    // A name without an extension is a PNG image, of the size asked.
    prompter->expect("TW_RozObr", [&](QDialog& d) {
        EXPECT_EQ(child<QSpinBox>(d, "Edit1").value(), windowSize.width());
        child<QSpinBox>(d, "Edit1").setValue(640);
        child<QSpinBox>(d, "Edit2").setValue(480);
        return clickIn(d, "BitBtn1");
    });
    for (int k = 0; k < 4; ++k) {
        child<QAction>(main(), "Eksportujwariant1").trigger();
    }
    EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join("; ").toStdString();
    EXPECT_TRUE(prompter->fileQuestions.first().startsWith("Eksportuj wariant|Obraz PNG"));
    EXPECT_EQ(QImage(file("mapa.png")).size(), QSize(640, 480));
    EXPECT_NE(readText(file("mapa.svg")).find("<svg"), std::string::npos);
    const std::string pdf = readText(file("mapa.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    // The project's range on each side of the axis and the default top, as velt-calc's.
    EXPECT_EQ(readText(file("mapa.csv")), veltCalcMap("z52-horizontal", "0.5,0.25"));
}

// Without a printer the printed page of the map goes into a PDF file.
TEST_F(FieldMapWindowTest, WithoutAPrinterThePrintedMapIsSavedAsPdf) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "a printer is installed here";
    }
    open("z52-horizontal");
    ASSERT_EQ(mapWith({}), mrYes);
    prompter->expectFileName(file("wydruk"));
    main().Drukujwyniki1Click();
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].startsWith("Brak drukarki"));
    const std::string pdf = readText(file("wydruk.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [0 0 842.000000 595.000000]"), std::string::npos);
}

TEST_F(FieldMapWindowTest, ClosingAsks) {
    open("z52-horizontal");
    ASSERT_EQ(mapWith({}), mrYes);
    QMdiSubWindow* window = main().mdiArea().activeSubWindow();
    prompter->expectClick("TW_UWar", "BitBtn2"); // "Nie"
    EXPECT_FALSE(window->close());
    EXPECT_EQ(captions(), "Mapa pola 1. | Mapa pola 1.");
    prompter->expectClick("TW_UWar", "BitBtn1"); // "Tak"
    EXPECT_TRUE(window->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(captions(), "|");
}

// The status bar names the grid point under the mouse and its value in the unit of the
// options; the building's points have none; leaving the window clears it.
TEST_F(FieldMapWindowTest, HoveringShowsThePointAndItsValue) {
    open("h52-magnetic-building");
    ASSERT_EQ(mapWith({}), mrYes);
    FieldMapView* strength = activeMap();
    ASSERT_NE(strength, nullptr);
    const PixelRect plot = strength->layout().plot;
    const QPoint inside((plot.left + 2 * plot.right) / 3, (plot.top + plot.bottom) / 2);
    const QRegularExpression shown(
        R"(^x = (-?\d+,\d\d) m, y = (\d+,\d\d) m: (\d+,\d\d\d) (A/m|µT)$)");
    const auto amperes = shown.match(hover(*strength, inside));

    // The same point of a map in the other unit, in a window of the same size.
    app->lineDialog().form.options.magneticUnit = MagneticUnit::Microtesla;
    ASSERT_EQ(mapWith({}), mrYes);
    FieldMapView* induction = activeMap();
    ASSERT_NE(induction, nullptr);
    ASSERT_EQ(induction->layout().plot, plot);
    const auto tesla = shown.match(hover(*induction, inside));
    ASSERT_TRUE(amperes.hasMatch() && tesla.hasMatch()) << main().statusText(1).toStdString();
    EXPECT_EQ(amperes.captured(1) + amperes.captured(2), tesla.captured(1) + tesla.captured(2));
    EXPECT_EQ(amperes.captured(4) + tesla.captured(4), "A/mµT");
    const auto number = [](const QString& text) {
        return QString(text).replace(',', '.').toDouble();
    };
    EXPECT_NEAR(number(tesla.captured(3)), microteslaOf(number(amperes.captured(3))), 0.002);
    EXPECT_GT(number(amperes.captured(3)), 0.0);

    const std::vector<PixelPoint>& building = induction->layout().building;
    ASSERT_EQ(building.size(), 3u);
    const QPoint wall((building[0].x + building[2].x) / 2, plot.bottom - 2);
    EXPECT_TRUE(hover(*induction, wall).endsWith(" m: brak wartości"))
        << main().statusText(1).toStdString();
    EXPECT_EQ(hover(*induction, QPoint(plot.left - 3, plot.top)), "");

    hover(*induction, inside);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(induction, &leave);
    EXPECT_EQ(main().statusText(1), "");
}

} // namespace
} // namespace velt::test
