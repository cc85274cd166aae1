// The main window.

#include "app/TW_Main.h"

#include "app/DataPanelWindow.h"
#include "app/DesktopCalculationUi.h"
#include "app/HelpViewer.h"
#include "app/Language.h"
#include "app/LayoutTable.h"
#include "app/OptionCommands.h"
#include "app/ProjectDocument.h"
#include "app/RecentProjects.h"
#include "app/TW_About.h"
#include "app/TW_EndAsk.h"
#include "app/TW_Jezyk.h"
#include "app/TW_RozObr.h"
#include "app/TW_Splash.h"
#include "app/ToolbarGlyphs.h"
#include "app/VariantPrinting.h"
#include "app/VariantWindow.h"
#include "app/Variants.h"
#include "app/VeltApplication.h"
#include "calc/CalculationDriver.h"
#include "dialogs/TW_LoadS.h"
#include "dialogs/TW_Save.h"
#include "editor/CataloguePrompts.h"
#include "editor/TW_New.h"
#include "linedata/LineDataChecks.h"
#include "model/FileNames.h"
#include "render/GifWriter.h"
#include "results/Report.h"
#include "toweredit/LineTower.h"
#include "ui_TW_Main.h"
#include "widgets/ModalDialog.h"
#include "widgets/Prompter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace velt {

namespace {

struct ToolButtonText {
    const char* button;
    const char* status;
};

// What each toolbar button puts into the second status panel when it gets the focus.
const ToolButtonText kToolButtonTexts[] = {
    {"BitBtn4", QT_TRANSLATE_NOOP("velt", "Utworzenie nowego słupa...")},
    {"BitBtn3", QT_TRANSLATE_NOOP("velt", "Wczytanie danych nowego słupa z pliku definicji...")},
    {"BitBtn5", QT_TRANSLATE_NOOP("velt", "Zapisanie wyników (danych oraz wykresów)...")},
    {"BitBtn11", QT_TRANSLATE_NOOP("velt", "Drukowanie wyników (wykres lub rozkład pola)...")},
    {"BitBtn1", QT_TRANSLATE_NOOP(
                    "velt", "Wykonanie obliczeń dla podanych parametrów linii energetycznej...")},
    {"BitBtn10", QT_TRANSLATE_NOOP("velt", "Wczytuje i wyświetla plik pomocy...")},
    {"BitBtn2", QT_TRANSLATE_NOOP("velt", "Wyjście z programu...")},
};

} // namespace

TW_Main::TW_Main(VeltApplication& app) : app_(app), ui(std::make_unique<Ui::TW_Main>()) {
    ui->setupUi(this);

    // The program state starts empty.
    LineProject& project = app_.project();
    project.buildingOn = false;
    project.shieldWiresOn = false;
    project.towerChosen = false;
    project.lineDataAccepted = false;
    project.variantCounter = 0;

    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        panels_[i]->setAlignment(Qt::AlignCenter);
        panels_[i]->setMinimumWidth(50);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
    }
    ui->StatusBar1->addWidget(panels_[0]);
    ui->StatusBar1->addWidget(panels_[1], 1);
    ui->StatusBar1->setSizeGripEnabled(false);

    // A separator line between the results and the end of the program.
    QAction* separator = ui->Plik1->insertSeparator(ui->Zakoczprogram1);
    separator->setObjectName(QStringLiteral("N1"));

    setUpToolBar();

    connect(ui->Drukuj1, &QAction::triggered, this, &TW_Main::Drukuj1Click);
    connect(ui->Drukujwyniki1, &QAction::triggered, this, &TW_Main::Drukujwyniki1Click);
    connect(ui->Zakoczprogram1, &QAction::triggered, this, &TW_Main::BitBtn2Click);
    connect(ui->Wczytajsup1, &QAction::triggered, this, &TW_Main::BitBtn3Click);
    connect(ui->Nowysup1, &QAction::triggered, this, &TW_Main::BitBtn4Click);
    connect(ui->Zapiszsup1, &QAction::triggered, this, &TW_Main::Zapiszsup1Click);
    connect(ui->Wykonaj1, &QAction::triggered, this, &TW_Main::Oblicz);
    connect(ui->Kaskada1, &QAction::triggered, this, &TW_Main::Kaskada1Click);
    connect(ui->Poziomo1, &QAction::triggered, this, &TW_Main::Poziomo1Click);
    connect(ui->Pionowo1, &QAction::triggered, this, &TW_Main::Pionowo1Click);
    connect(ui->Pomoc2, &QAction::triggered, this, &TW_Main::BitBtn10Click);
    connect(ui->Informacjeoprogramie1, &QAction::triggered, this,
            &TW_Main::Informacjeoprogramie1Click);
    connect(ui->Jezyk1, &QAction::triggered, this, &TW_Main::Jezyk1Click);
    connect(ui->Otworzprojekt1, &QAction::triggered, this, &TW_Main::Otworzprojekt1Click);
    connect(ui->Zapiszprojekt1, &QAction::triggered, this, &TW_Main::Zapiszprojekt1Click);
    connect(ui->Zapiszprojektjako1, &QAction::triggered, this, &TW_Main::Zapiszprojektjako1Click);
    connect(ui->Eksportujwariant1, &QAction::triggered, this, &TW_Main::Eksportujwariant1Click);
    baseTitle_ = windowTitle();
    setAcceptDrops(true);
    recent_ = std::make_unique<RecentProjects>(*ui->Plik1,
                                               [this](const QString& path) { openProject(path); });
    options_ = std::make_unique<OptionCommands>(
        app_, *this, [this]() -> Variants& { return variants(); }, [this] { showProjectTitle(); });
    options_->connectMenu({*ui->Dokladnenatezenie1, *ui->Poziomydopuszczalne1, *ui->Liniesasiednie1,
                           *ui->Mapapola1, *ui->Seriaobliczen1});
}

TW_Main::~TW_Main() = default;

void TW_Main::setUpToolBar() {
    const std::pair<QToolButton*, void (TW_Main::*)()> commands[] = {
        {ui->BitBtn4, &TW_Main::BitBtn4Click}, {ui->BitBtn3, &TW_Main::BitBtn3Click},
        {ui->BitBtn5, &TW_Main::Drukuj1Click}, {ui->BitBtn11, &TW_Main::Drukujwyniki1Click},
        {ui->BitBtn1, &TW_Main::Oblicz},       {ui->BitBtn10, &TW_Main::BitBtn10Click},
        {ui->BitBtn2, &TW_Main::BitBtn2Click},
    };
    for (const auto& [button, command] : commands) {
        button->setIcon(toolbarGlyph(button->objectName()));
        button->setIconSize(QSize(18, 18));
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, command);
    }
}

QMdiArea& TW_Main::mdiArea() {
    return *ui->MdiArea1;
}

QMenu& TW_Main::chartMenu() {
    return *ui->Wykres1;
}

void TW_Main::setStatusText(int panel, const QString& text) {
    if (panel == 0 || panel == 1) {
        panels_[panel]->setText(text);
    }
}

QString TW_Main::statusText(int panel) const {
    return panel == 0 || panel == 1 ? panels_[panel]->text() : QString();
}

bool TW_Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const auto& entry : kToolButtonTexts) {
            if (watched->objectName() == QLatin1String(entry.button)) {
                setStatusText(1, QCoreApplication::translate("velt", entry.status));
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        ClearBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TW_Main::ClearBar() {
    setStatusText(1, QString());
}

void TW_Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // The splash is modal; it waits until the frame is on the screen.
        QTimer::singleShot(0, this, &TW_Main::FormShow);
    }
}

void TW_Main::FormShow() {
    const int dpi = logicalDpiX();
    if (dpi != kLayoutDpi) {
        applyLayout(dpi);
        centreOnScreen();
    }
    app_.prompter().exec(app_.splash());
    if (!startProject_.isEmpty()) {
        openProject(std::exchange(startProject_, QString()));
    }
}

void TW_Main::applyLayout(int dpi) {
    if (dpi == kLayoutDpi) {
        return;
    }
    const auto& sizes = formSizes();
    const auto& forms = app_.forms();
    for (std::size_t i = 0; i < sizes.size() && i < forms.size(); ++i) {
        forms[i]->resize(ScaleDim(sizes[i].width, dpi), ScaleDim(sizes[i].height, dpi));
    }
    ui->StatusBar1->setFixedHeight(ScaleDim(kStatusBarBox.height, dpi));
}

void TW_Main::centreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TW_Main::BitBtn4Click() {
    app_.prompter().exec(app_.towerEditor());
    // "Testuj" leaves its tower for the line data dialog's list.
    app_.loadS().setTestTower(app_.towerEditorState().testTower);
}

void TW_Main::BitBtn3Click() {
    LineProject& project = app_.project();
    // The tower of the last showing again, if one was chosen there.
    app_.loadS().selectTower(project.towerChosen ? project.chosenTowerIndex : -1);
    if (app_.prompter().exec(app_.loadS()) != mrYes) {
        project.lineDataAccepted = false;
        return;
    }
    // The same acceptance as velt-calc's, so both mark a shifted tower alike.
    if (const auto refusal = acceptLineData(project, app_.collectLineData())) {
        app_.prompter().showMessage(QString::fromStdString(*refusal));
    }
    showProjectTitle();
}

void TW_Main::Liniesasiednie1Click() {
    options_->Liniesasiednie1Click();
}

void TW_Main::Drukuj1Click() {
    saveVariant(nullptr);
}

TW_Main::SaveOutcome TW_Main::saveVariant(QMdiSubWindow* window) {
    if (app_.project().calculationDone < 1) {
        app_.prompter().showMessage(
            QStringLiteral(QT_TRANSLATE_NOOP("velt", "Nie wykonano obliczeń!")));
        return SaveOutcome::Refused;
    }
    QMdiSubWindow* target = window != nullptr ? window : ui->MdiArea1->activeSubWindow();
    if (target == nullptr) {
        app_.prompter().showMessage(
            QStringLiteral(QT_TRANSLATE_NOOP("velt", "Nie wybrano wariantu!")));
        return SaveOutcome::Refused;
    }
    target->showMaximized();
    ui->MdiArea1->setActiveSubWindow(target);
    // The file question asks nothing about an existing file: the files written are the
    // picture and the report beside the name, which the question below names.
    const QString chosen = app_.prompter().askNewFileName(this, {}, {});
    if (chosen.isEmpty()) {
        return SaveOutcome::Cancelled;
    }
    const ResultView* view = Variants::viewOf(target);
    if (view == nullptr) {
        return SaveOutcome::Refused;
    }
    if (!mayReplaceResults(view->resultFiles(chosen.toStdString()))) {
        return SaveOutcome::Cancelled;
    }
    if (const auto failure = view->writeResults(chosen.toStdString())) {
        app_.prompter().showMessage(QString::fromStdString(*failure));
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

bool TW_Main::mayReplaceResults(const std::vector<std::string>& files) {
    QStringList existing;
    for (const std::string& file : files) {
        if (QFileInfo(QString::fromStdString(file)).isFile()) {
            existing.append(QString::fromStdString(file));
        }
    }
    if (existing.isEmpty()) {
        return true;
    }
    const QString question = existing.size() == 1
                                 ? tr("Plik już istnieje:\n%1\nCzy chcesz go zastąpić?")
                                 : tr("Pliki już istnieją:\n%1\nCzy chcesz je zastąpić?");
    return app_.prompter().ask({}, question.arg(existing.join(QLatin1Char('\n'))),
                               Question::YesNo) == mrYes;
}

const ResultView* TW_Main::activeVariant(const QString& refusal) {
    if (app_.project().calculationDone < 1) {
        app_.prompter().showMessage(
            QStringLiteral(QT_TRANSLATE_NOOP("velt", "Nie wykonano obliczeń!")));
        return nullptr;
    }
    const ResultView* view = Variants::viewOf(ui->MdiArea1->activeSubWindow());
    if (view == nullptr) {
        app_.prompter().showMessage(refusal);
    }
    return view;
}

void TW_Main::Drukujwyniki1Click() {
    const ResultView* view =
        activeVariant(QStringLiteral(QT_TRANSLATE_NOOP("velt", "Nie wybrano wariantu do druku!")));
    if (view == nullptr) {
        return;
    }
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QPrinter printer(QPrinter::HighResolution);
        if (!view->print(printer)) {
            app_.prompter().showMessage(
                tr("Nie mogę drukować na drukarce %1!").arg(printer.printerName()));
        }
        return;
    }
    // Many desktops have no printer installed: the same page can go into a PDF file.
    app_.prompter().showMessage(QStringLiteral(
        QT_TRANSLATE_NOOP("velt", "Brak drukarki w systemie.\nWydruk można zapisać w pliku PDF.")));
    QString pdf = app_.prompter().askSaveFileName(
        this, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Zapis wydruku")),
        QStringLiteral("Pliki PDF (*.pdf *.PDF)"));
    if (pdf.isEmpty()) {
        return;
    }
    if (QFileInfo(pdf).suffix().isEmpty()) {
        pdf += QStringLiteral(".pdf");
    }
    if (!view->exportTo(pdf.toStdString(), GraphFormat::Pdf, {})) {
        app_.prompter().showMessage(tr("Nie mogę zapisać pliku!\n") + pdf);
    }
}

void TW_Main::Oblicz() {
    DataPanelWindow dataWindow(*ui->MdiArea1, app_.project());
    const LineDataForm& form = app_.collectLineData();
    PassContext ctx{app_.project(), app_.profile(), form, app_.calculationUi()};
    if (calculate(ctx, &dataWindow) == CalculationOutcome::Done) {
        CalculationExtras extras = completeCalculation(app_.project(), form, app_.profile());
        app_.document().takeCalculation(app_.profile());
        variants().createVariant(app_.profile(), std::move(extras));
    }
    showProjectTitle();
}

Variants& TW_Main::variants() {
    // Made on first use: the variant question is created after the main window.
    if (variants_ == nullptr) {
        variants_ = std::make_unique<Variants>(Variants::Parts{
            *ui->MdiArea1, *ui->Wykres1, app_.prompter(), app_.uWar(),
            [this] { return closingAll_; }, [this] { return app_.project().towerShifted; }});
    }
    return *variants_;
}

void TW_Main::BitBtn10Click() {
    app_.help().winHelp(QStringLiteral("VELT2009"), HelpViewer::kHelpTopics, 0);
}

void TW_Main::BitBtn2Click() {
    close();
}

void TW_Main::Zapiszsup1Click() {
    const auto tower = towerOfLine(app_.project(), app_.towerChoice());
    if (!tower) {
        app_.prompter().showMessage(QString::fromStdString(kNoLineDataMessage));
        return;
    }
    PromptingCatalogueUi catalogue(app_.prompter(),
                                   [this](const QString& text) { setStatusText(1, text); });
    storeInAskedCatalogue(app_.prompter(), this, *tower, catalogue);
}

namespace {
const QString kProjectFilter = QStringLiteral("Projekty VELT (*.json *.JSON)");
} // namespace

void TW_Main::Otworzprojekt1Click() {
    const QString path = app_.prompter().askOpenFileName(
        this, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Otwórz projekt")), kProjectFilter);
    if (!path.isEmpty()) {
        openProject(path);
    }
}

namespace {

// The first local ".json" file among the dropped ones; empty when there is none.
QString droppedProject(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
            return path;
        }
    }
    return {};
}

} // namespace

void TW_Main::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedProject(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TW_Main::dropEvent(QDropEvent* event) {
    const QString path = droppedProject(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        openProject(path);
    }
}

bool TW_Main::openProject(const QString& path) {
    const bool opened = app_.document().open(path);
    if (opened) {
        recent_->add(path);
        options_->showOptions();
    }
    showProjectTitle();
    return opened;
}

void TW_Main::Zapiszprojekt1Click() {
    if (app_.document().path().isEmpty()) {
        Zapiszprojektjako1Click();
        return;
    }
    if (app_.document().saveAs(app_.document().path())) {
        recent_->add(app_.document().path());
    }
    showProjectTitle();
}

void TW_Main::Zapiszprojektjako1Click() {
    if (!app_.document().savable()) {
        return;
    }
    QString path = app_.prompter().askSaveFileName(
        this, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Zapisz projekt")), kProjectFilter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".json");
    }
    if (app_.document().saveAs(path)) {
        recent_->add(path);
    }
    showProjectTitle();
}

void TW_Main::Eksportujwariant1Click() {
    const ResultView* view =
        activeVariant(QStringLiteral(QT_TRANSLATE_NOOP("velt", "Nie wybrano wariantu!")));
    if (view == nullptr) {
        return;
    }
    QString path = app_.prompter().askSaveFileName(
        this, QStringLiteral(QT_TRANSLATE_NOOP("velt", "Eksportuj wariant")), view->exportFilter());
    if (path.isEmpty()) {
        return;
    }
    // A name without a known extension becomes a PNG image.
    auto format = graphFormatOf(path.toStdString());
    if (!format || *format == GraphFormat::Gif) {
        path += QStringLiteral(".png");
        format = GraphFormat::Png;
    }
    QSize pngSize = view->size();
    if (*format == GraphFormat::Png) {
        TW_RozObr sizeDialog(pngSize, this);
        if (app_.prompter().exec(sizeDialog) != mrYes) {
            return;
        }
        pngSize = sizeDialog.imageSize();
    }
    if (!view->exportTo(path.toStdString(), *format, pngSize)) {
        app_.prompter().showMessage(tr("Nie mogę zapisać pliku!\n") + path);
    }
}

void TW_Main::showProjectTitle() {
    setWindowTitle(app_.document().title(baseTitle_));
}

void TW_Main::Kaskada1Click() {
    ui->MdiArea1->cascadeSubWindows();
}

void TW_Main::Poziomo1Click() {
    tileChildren(Qt::Horizontal);
}

void TW_Main::Pionowo1Click() {
    tileChildren(Qt::Vertical);
}

void TW_Main::tileChildren(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : ui->MdiArea1->subWindowList()) {
        if (!window->isMinimized() && !window->isHidden()) {
            windows.append(window);
        }
    }
    if (windows.isEmpty()) {
        return;
    }
    const QRect area = ui->MdiArea1->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        // Horizontal tiles are full-width bands one above the other; vertical ones stand
        // side by side.
        if (orientation == Qt::Horizontal) {
            const int top = area.height() * i / n;
            const int bottom = area.height() * (i + 1) / n;
            windows[i]->setGeometry(0, top, area.width(), bottom - top);
        } else {
            const int left = area.width() * i / n;
            const int right = area.width() * (i + 1) / n;
            windows[i]->setGeometry(left, 0, right - left, area.height());
        }
    }
}

void TW_Main::Jezyk1Click() {
    TW_Jezyk dialog(keptLanguage(), this);
    if (app_.prompter().exec(dialog) != mrYes || dialog.chosen() == keptLanguage()) {
        return;
    }
    keepLanguage(dialog.chosen());
    // Every window is built in the language it started with.
    app_.prompter().showMessage(tr("Język programu zmieni się przy następnym uruchomieniu."));
}

void TW_Main::Informacjeoprogramie1Click() {
    app_.about().show();
    app_.about().raise();
}

bool TW_Main::projectMayClose() {
    ProjectDocument& document = app_.document();
    if (document.path().isEmpty() || !document.modified()) {
        return true;
    }
    const int answer = app_.prompter().ask(
        QString(), tr("Zapisać zmiany w projekcie %1?").arg(QFileInfo(document.path()).fileName()),
        Question::YesNoCancel);
    if (answer == mrYes) {
        // A project that could not be saved keeps the program open.
        const bool saved = document.saveAs(document.path());
        showProjectTitle();
        return saved;
    }
    return answer == mrNo;
}

bool TW_Main::FormCloseQuery() {
    // First the project, then the variants.
    if (!projectMayClose()) {
        return false;
    }
    if (app_.project().calculationDone == 0 || ui->MdiArea1->subWindowList().isEmpty()) {
        return true;
    }
    const int answer = app_.prompter().exec(app_.endAsk());
    if (answer == mrNo) {
        return true;
    }
    if (answer != mrYes) {
        return false;
    }
    const QList<QMdiSubWindow*> windows = ui->MdiArea1->subWindowList();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QMdiSubWindow* window = *it;
        window->showMaximized();
        window->update();
        switch (app_.prompter().exec(app_.save())) {
        case mrYes:
            // A variant the user wanted kept is never lost: a failed write stops the walk.
            if (saveVariant(window) == SaveOutcome::Failed) {
                return false;
            }
            break;
        case mrNo:
            break;
        case mrNoToAll:
            return true;
        default:
            return false;
        }
    }
    return true;
}

void TW_Main::FormClose() {
    closingAll_ = true;
    const QList<QMdiSubWindow*> windows = ui->MdiArea1->subWindowList();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        (*it)->close();
    }
    app_.about().close();
    app_.help().close();
}

void TW_Main::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

} // namespace velt
