// The desktop program from the press of "Wykonanie obliczeń" to the painted variant window,
// for the largest configuration: every question answered at once, the variant painted.

#include "RenderFixtures.h"
#include "app/TW_Main.h"
#include "app/VeltApplication.h"
#include "dialogs/TW_LoadS.h"
#include "dialogs/TW_PEkr.h"
#include "dialogs/TW_PFaz.h"
#include "dialogs/TW_WspDom.h"
#include "project/ProjectFile.h"
#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>

namespace {

// Every question is answered with what it proposes.
class Accepting : public velt::Prompter {
  public:
    void showMessage(const QString&) override {}
    int exec(QDialog&) override { return velt::mrYes; }
    QString askOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString askSaveFileName(QWidget*, const QString& = {}, const QString& = {}) override {
        return {};
    }
    QString askNewFileName(QWidget*, const QString&, const QString&) override { return {}; }
    int ask(const QString&, const QString&, velt::Question) override { return velt::mrYes; }
    void beep() override {}
};

template <class T> T& child(QObject& parent, const char* name) {
    return *parent.findChild<T*>(QString::fromLatin1(name));
}

// The largest line as the dialogs hold it after a user entered it.
void setUpLargestLine(velt::VeltApplication& app) {
    auto project = std::make_unique<velt::LineProject>();
    auto loaded = std::make_unique<velt::LoadedProject>();
    velt::loadProject(velt::testing::largestGraphProject(), "", *project, *loaded);
    app.project() = *project;
    QWidget& loadS = app.loadS();
    child<QAbstractButton>(loadS, "RadioButton2").setChecked(true);
    child<QAbstractButton>(loadS, "CheckBox1").setChecked(true);
    child<QAbstractButton>(loadS, "CheckBox2").setChecked(true);
    child<QLineEdit>(loadS, "Edit3").setText("1.8");
    const velt::BuildingForm& b = loaded->form.building;
    QWidget& building = app.wspDom();
    child<QLineEdit>(building, "Edit1").setText(QString::fromStdString(b.frontX));
    child<QLineEdit>(building, "Edit2").setText(QString::fromStdString(b.frontY));
    child<QLineEdit>(building, "Edit3").setText(QString::fromStdString(b.roofX));
    child<QLineEdit>(building, "Edit4").setText(QString::fromStdString(b.roofY));
    QWidget& currents = app.pFaz();
    child<QLineEdit>(currents, "Edit1").setText("650");
    child<QLineEdit>(currents, "Edit2").setText("400");
    app.pEkr().setRows(loaded->form.shieldWires.rows);
}

void calculateAndPaintLargest(benchmark::State& state) {
    velt::VeltApplication app(std::make_unique<Accepting>());
    velt::TW_Main& main = app.mainWindow();
    main.resize(1920, 1080);
    main.show();
    QApplication::processEvents();
    setUpLargestLine(app);
    for (auto _ : state) {
        main.Oblicz();
        QMdiSubWindow* window = main.mdiArea().activeSubWindow();
        if (window == nullptr || !app.profile().resultFieldKind) {
            state.SkipWithError("the largest line was not calculated");
            break;
        }
        window->widget()->repaint();
        state.PauseTiming();
        window->setAttribute(Qt::WA_DeleteOnClose);
        main.mdiArea().removeSubWindow(window);
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(calculateAndPaintLargest)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
