// The English interface: no Polish letter or word is left in any form, menu, dialog, message
// or graph text, while the stored results (the GIF, the report) stay the program's own.
// Runs with VELT_TEST_LANGUAGE=en (its own ctest entry); skipped in the Polish run.

#include "AppFixture.h"
#include "app/FieldMapWindow.h"
#include "app/HelpViewer.h"
#include "app/Language.h"
#include "app/VariantWindow.h"
#include "app/Variants.h"
#include "render/FieldMapLayout.h"
#include "render/GraphDocuments.h"
#include "render/GraphFrame.h"
#include "render/GraphLayout.h"
#include "render/PainterHelpers.h"
#include "render/QtTextMeasure.h"
#include "widgets/ModalDialog.h"
#include "widgets/ShownText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace velt::test {
namespace {

// Texts that stay as they are in English: the language item names both languages, the
// language dialog names each in its own.
const QStringList kKept = {"Język / Language", "&Polski"};

// Polish words a translation could leave behind although they carry no Polish letter.
const QStringList kPolishWords = {
    "nie",      "tak",       "plik",    "pliku",     "dane",    "danych",    "linii",      "slupa",
    "seria",    "typ",       "budynek", "wykres",    "zapisz",  "wczytaj",   "obliczenia", "pomoc",
    "okno",     "anuluj",    "kolor",   "zakres",    "wariant", "mapa",      "strefa",     "poziom",
    "przewody", "przewodow", "testuj",  "edycja",    "wartosc", "natezenia", "zaklocen",   "konca",
    "dachu",    "wsp",       "domek",   "kolejnosc", "faz",     "rysunku"};

QString polishIn(const QString& text) {
    if (text.isEmpty() || kKept.contains(text)) {
        return {};
    }
    static const QRegularExpression letters(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    if (text.contains(letters)) {
        return text;
    }
    static const QRegularExpression words(QStringLiteral("\\b(") + kPolishWords.join('|') +
                                              QStringLiteral(")\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    return text.contains(words) ? text : QString();
}

void addMenu(const QList<QAction*>& actions, QStringList& texts) {
    for (QAction* action : actions) {
        texts << action->text() << action->toolTip() << action->statusTip();
        if (action->menu() != nullptr) {
            texts << action->menu()->title();
            addMenu(action->menu()->actions(), texts);
        }
    }
}

void addItems(QWidget& w, QStringList& texts) {
    if (auto* label = qobject_cast<QLabel*>(&w)) {
        texts << label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        texts << button->text();
    } else if (auto* box = qobject_cast<QGroupBox*>(&w)) {
        texts << box->title();
    } else if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        texts << edit->placeholderText();
    } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    } else if (auto* table = qobject_cast<QTableWidget*>(&w)) {
        for (int i = 0; i < table->columnCount(); ++i) {
            if (table->horizontalHeaderItem(i) != nullptr) {
                texts << table->horizontalHeaderItem(i)->text();
            }
        }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(&w)) {
        for (int i = 0; i < tree->columnCount(); ++i) {
            texts << tree->headerItem()->text(i);
        }
    } else if (auto* memo = qobject_cast<QTextEdit*>(&w)) {
        texts << memo->toPlainText().split('\n');
    }
}

/// Every text `root` shows: captions, labels, buttons, items, headers, hints and menus.
QStringList visibleTexts(QWidget& root) {
    QStringList texts;
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip();
        addItems(*w, texts);
        addMenu(w->actions(), texts);
    }
    return texts;
}

QStringList polishTexts(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts) {
        if (const QString p = polishIn(text); !p.isEmpty()) {
            found << p;
        }
    }
    found.removeDuplicates();
    return found;
}

class EnglishInterfaceTest : public AppFixture {
  protected:
    void SetUp() override {
        if (currentLanguage() != InterfaceLanguage::English) {
            GTEST_SKIP() << "the English interface runs with VELT_TEST_LANGUAGE=en";
        }
    }

    void open(const char* example) {
        prompter->expectFileName(QDir(VELT_EXAMPLES_DIR).filePath(QString(example) + ".json"));
        child<QAction>(app->mainWindow(), "Otworzprojekt1").trigger();
    }

    /// "Wykonanie obliczeń" with every question answered by its proposal; the new variant.
    const VariantView* calculateWithProposals() {
        prompter->expectClick("TW_ZObl", "BitBtn1");
        prompter->expectClick("TW_Kom", "BitBtn1");
        prompter->expectClick("TW_ZRys", "BitBtn1");
        app->mainWindow().Oblicz();
        return Variants::graphOf(app->mainWindow().mdiArea().activeSubWindow());
    }

    /// The texts of the dialog `name` that `item` opens, closed with Cancel.
    QStringList dialogTexts(const char* item, const QString& name) {
        QStringList texts;
        prompter->expect(name, [&texts](QDialog& d) {
            texts = visibleTexts(d);
            return static_cast<int>(mrCancel);
        });
        child<QAction>(app->mainWindow(), item).trigger();
        return texts;
    }
};

TEST_F(EnglishInterfaceTest, EveryFormMenuAndDialogSpeaksEnglish) {
    QStringList texts;
    for (QWidget* form : app->forms()) {
        texts << visibleTexts(*form);
    }
    texts << dialogTexts("Poziomydopuszczalne1", "TW_Poziomy");
    texts << dialogTexts("Liniesasiednie1", "TW_LinieSas");
    open("z52-horizontal");
    texts << dialogTexts("Mapapola1", "TW_Mapa");
    texts << dialogTexts("Seriaobliczen1", "TW_Seria");
    EXPECT_EQ(polishTexts(texts), QStringList());
    EXPECT_GT(texts.size(), 500);
}

TEST_F(EnglishInterfaceTest, HelpOpensOnTheEnglishPages) {
    HelpViewer& help = app->help();
    ASSERT_TRUE(help.winHelp("VELT2009", HelpViewer::kHelpTopics, 0));
    EXPECT_TRUE(help.currentPage().endsWith("VELT2009/en/index.html"));
    QStringList texts = visibleTexts(help);
    texts << child<QTextBrowser>(help, "Page").toPlainText().split('\n');
    EXPECT_EQ(polishTexts(texts), QStringList());
    help.close();
}

// The core's messages, with their numbers, names and file names, each in English.
TEST_F(EnglishInterfaceTest, CoreMessagesAreShownInEnglish) {
    const char* const messages[] = {
        "Zakres rysunku nie może być większy od zakresu obliczeń!",
        "Linia sąsiednia 2: Niepoprawne wysokości przewodów!",
        "Nie mogę otworzyć pliku!\n/tmp/SLUPY.LIN",
        "Błąd odczytu danych z pliku!\n/tmp/wieże.VELT_data",
        "Siatka mapy pola ma 250000 punktów, a może mieć najwyżej 200000!",
        "Współrzędna prostej Y musi być różna od\n\n1. Wsp. y przewodów odgromowych\n2. Wsp. y "
        "przewodów ekranujących\n3. Wsp. y budynku",
        "Poczekaj chwilę. Wykonuję obliczenia pola elektrycznego...",
    };
    for (const char* message : messages) {
        const QString shown = shownText(std::string(message));
        EXPECT_EQ(polishIn(shown.section('\n', 0, 0)), QString()) << shown.toStdString();
        for (const QString& kept : {QStringLiteral("250000"), QStringLiteral("/tmp/SLUPY.LIN"),
                                    QStringLiteral("/tmp/wieże.VELT_data")}) {
            if (QString::fromUtf8(message).contains(kept)) {
                EXPECT_TRUE(shown.contains(kept)) << shown.toStdString();
            }
        }
    }
}

// The graph follows the interface; the saved GIF keeps the program's own texts, so that it
// is the same picture in either language.
TEST_F(EnglishInterfaceTest, TheGraphSpeaksEnglishAndTheSavedPictureStaysAsItIs) {
    open("z52-horizontal"); // an unshifted tower
    const VariantView* view = calculateWithProposals();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->caption(), "Variant 1.");
    const QSize size = view->size();
    const QImage english = graphImage(size, view->record(), false, &view->extras());
    const QImage own = graphImage(size, view->record(), false, &view->extras(), untranslated);
    EXPECT_NE(english, own);
    EXPECT_EQ(view->picture(), own);
}

// A corridor with a building, a limit and a neighbouring line: the graph's panel, captions
// and level labels and the field map's texts in English.
TEST_F(EnglishInterfaceTest, TheGraphAndTheMapOfTheOptionsSpeakEnglish) {
    QTemporaryDir folder;
    const QString path = folder.filePath("corridor.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"tower": "Z52", "workingHeight": 12, "groundWireHeight": 30,
        "field": "electric", "mode": "line", "line": {"kind": "horizontal", "y": 1},
        "phaseOrder": "RST-TRS", "range": 50, "currents": [500, 500],
        "building": {"frontX": 25, "frontY": 12, "roofX": 37, "roofY": 12}, "limits": ["pl-residential"],
        "neighbours": [{"tower": "S12", "workingHeight": 10, "groundWireHeight": 14,
                        "offset": 40, "currents": [300]}]})");
    file.close();
    prompter->expectFileName(path);
    child<QAction>(app->mainWindow(), "Otworzprojekt1").trigger();
    ASSERT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join('\n').toStdString();
    const VariantView* view = calculateWithProposals();
    ASSERT_NE(view, nullptr);
    QImage canvas(1000, 700, QImage::Format_RGB32);
    QPainter painter(&canvas);
    const GraphLayout g = layoutGraph(view->record(), windowFrame(1000, 700), false,
                                      QtTextMeasure(painter), &view->extras(), translatedSource);
    QStringList texts;
    for (const PanelLine& line : g.panel) {
        texts << QString::fromStdString(line.text.text);
    }
    for (const LimitLine& line : g.limitLines) {
        texts << QString::fromStdString(line.label.text);
    }
    for (const PlacedText& caption : g.captions) {
        texts << QString::fromStdString(caption.text);
    }
    EXPECT_TRUE(texts.contains("Neighbouring lines:")) << texts.join('|').toStdString();
    EXPECT_EQ(polishTexts(texts), QStringList());

    prompter->expectClick("TW_Mapa", "BitBtn1");
    child<QAction>(app->mainWindow(), "Mapapola1").trigger();
    auto* map =
        qobject_cast<FieldMapView*>(app->mainWindow().mdiArea().activeSubWindow()->widget());
    ASSERT_NE(map, nullptr);
    const FieldMapLayout& m = map->layout();
    texts = QStringList{QString::fromStdString(m.title.text),
                        QString::fromStdString(m.legendUnit.text), map->caption()};
    for (const MapContour& contour : m.contours) {
        if (contour.label) {
            texts << QString::fromStdString(contour.label->text);
        }
    }
    EXPECT_EQ(polishTexts(texts), QStringList()) << texts.join('|').toStdString();
}

// Every entry of the translation: English, with the source's numbers to fill in and as many
// keyboard accelerators. Read from the file itself, so that it runs in either language.
TEST(EnglishTranslation, EveryEntryIsEnglishWithTheSourcesPlaceholders) {
    QFile file(QStringLiteral(VELT_TRANSLATIONS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int entries = 0;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto marks = [](const QString& text) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(text)) {
            found << m.captured();
        }
        found.sort();
        return found;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++entries;
            const QString english = xml.readElementText();
            SCOPED_TRACE(source.toStdString());
            EXPECT_FALSE(english.isEmpty());
            EXPECT_EQ(polishIn(english), QString());
            EXPECT_EQ(marks(english), marks(source));
            EXPECT_EQ(english.count('&'), source.count('&'));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 500);
}

} // namespace
} // namespace velt::test
