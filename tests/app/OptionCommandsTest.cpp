// The options in the "Obliczenia" menu: the accurate surface gradient and the exposure limits
// with the magnetic unit, kept for the next run and in the project file.

#include "AppFixture.h"
#include "app/ProjectDocument.h"
#include "app/TW_Main.h"
#include "app/VariantWindow.h"
#include "app/Variants.h"
#include "project/ProjectFile.h"
#include "widgets/ModalDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <fstream>
#include <memory>

namespace velt::test {
namespace {

class OptionCommandsTest : public AppFixture {
  protected:
    TW_Main& main() { return app->mainWindow(); }
    void trigger(const char* item) { child<QAction>(main(), item).trigger(); }
    const CalculationOptions& options() { return app->lineData().options; }

    /// The line of examples/z52-horizontal.json accepted.
    void acceptZ52() {
        std::ifstream in(std::string(VELT_EXAMPLES_DIR) + "/z52-horizontal.json");
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        auto project = std::make_unique<LineProject>();
        auto loaded = std::make_unique<LoadedProject>();
        ASSERT_EQ(loadProject(text, "", *project, *loaded).status, LoadStatus::Accepted);
        app->project() = *project;
        app->lineDialog().form.options = options();
    }
};

TEST_F(OptionCommandsTest, TheAccurateSurfaceGradientIsKeptForTheNextRun) {
    QAction& item = child<QAction>(main(), "Dokladnenatezenie1");
    EXPECT_TRUE(item.isCheckable());
    EXPECT_FALSE(item.isChecked());
    item.trigger();
    EXPECT_EQ(options().surfaceMethod, SurfaceMethod::Accurate);

    // A new start takes it from the settings.
    prompter = nullptr;
    app.reset();
    auto scripted = std::make_unique<ScriptedPrompter>();
    prompter = scripted.get();
    app = std::make_unique<VeltApplication>(std::move(scripted));
    EXPECT_EQ(options().surfaceMethod, SurfaceMethod::Accurate);
    EXPECT_TRUE(child<QAction>(main(), "Dokladnenatezenie1").isChecked());
}

TEST_F(OptionCommandsTest, LimitsAreChosenCheckedAndShownInTheVariant) {
    // A level of one's own that is not above 0 is refused; the dialog stays open.
    prompter->expect("TW_Poziomy", [this](QDialog& d) {
        child<QCheckBox>(d, "CheckBox1").setChecked(true);
        child<QPushButton>(d, "BitBtn3").click();
        auto& own = child<QTableWidget>(d, "StringGrid1");
        own.item(0, 0)->setText("Szkoła");
        own.item(0, 1)->setText("0");
        child<QPushButton>(d, "BitBtn1").click();
        EXPECT_EQ(
            prompter->messages.back(),
            "Poziom własny 1: Poziom odniesienia pola elektrycznego musi być większy od 0.0!");
        own.item(0, 1)->setText("0.5");
        child<QRadioButton>(d, "RadioButton2").setChecked(true);
        return clickIn(d, "BitBtn1");
    });
    trigger("Poziomydopuszczalne1");
    ASSERT_EQ(options().limits.size(), 2u);
    EXPECT_EQ(options().limits[0].key, "pl-residential");
    EXPECT_EQ(options().limits[1].name, "Szkoła");
    EXPECT_EQ(options().limits[1].electric, 0.5);
    EXPECT_EQ(options().magneticUnit, MagneticUnit::Microtesla);

    // "Anuluj" changes nothing.
    prompter->expect("TW_Poziomy", [](QDialog& d) {
        child<QCheckBox>(d, "CheckBox1").setChecked(false);
        return clickIn(d, "BitBtn2");
    });
    trigger("Poziomydopuszczalne1");
    EXPECT_EQ(options().limits.size(), 2u);

    // The next calculation's variant holds the zones of both levels.
    prompter->expectAnswer("TW_Splash", mrOk);
    main().show();
    QCoreApplication::processEvents();
    acceptZ52();
    prompter->expectClick("TW_ZObl", "BitBtn1");
    prompter->expectClick("TW_Kom", "BitBtn1");
    prompter->expectClick("TW_ZRys", "BitBtn1");
    main().Oblicz();
    const VariantView* view = Variants::graphOf(main().mdiArea().activeSubWindow());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->extras().zones.size(), 2u);
    EXPECT_EQ(view->extras().zones[0].limitKey, "pl-residential");
    EXPECT_FALSE(view->extras().zones[1].intervals.empty());
}

TEST_F(OptionCommandsTest, TheProjectKeepsTheOptionsAndTheCaptionMarksThem) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("linia.json");
    QFile::copy(QString(VELT_EXAMPLES_DIR) + "/z52-horizontal.json", path);
    prompter->expectFileName(path);
    trigger("Otworzprojekt1");
    EXPECT_FALSE(main().windowTitle().endsWith("*"));
    trigger("Dokladnenatezenie1");
    EXPECT_TRUE(main().windowTitle().endsWith("*"));
    trigger("Zapiszprojekt1");
    std::ifstream in(path.toStdString());
    EXPECT_EQ(nlohmann::json::parse(in)["surfaceMethod"], "accurate");
    EXPECT_FALSE(main().windowTitle().endsWith("*"));
}

} // namespace
} // namespace velt::test
