// The program's help window.

#include "app/HelpViewer.h"

#include "app/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>

namespace velt {

namespace {

struct Topic {
    const char* page;
    const char* title;
};

// The contents of the help, in reading order.
const Topic kTopics[] = {
    {"index.html", QT_TRANSLATE_NOOP("velt", "Program VELT 2009")},
    {"okno.html", QT_TRANSLATE_NOOP("velt", "Okno główne i polecenia")},
    {"linia.html", QT_TRANSLATE_NOOP("velt", "Wprowadzanie danych linii")},
    {"obliczenia.html", QT_TRANSLATE_NOOP("velt", "Rodzaje obliczeń")},
    {"wyniki.html", QT_TRANSLATE_NOOP("velt", "Wykres, raport, zapis i wydruk")},
    {"slupy.html", QT_TRANSLATE_NOOP("velt", "Edytor słupów i pliki słupów")},
    {"projekty.html", QT_TRANSLATE_NOOP("velt", "Projekty linii i eksport wyników")},
    {"opcje.html", QT_TRANSLATE_NOOP("velt", "Opcje obliczeń")},
};

// The pages in the interface's language: the English twins lie in the help's "en" folder.
QString helpRoot(const QString& helpFile) {
    const QString root = QStringLiteral(":/help/") + helpFile + '/';
    const QString english = root + QStringLiteral("en/");
    return currentLanguage() == InterfaceLanguage::English && QFile::exists(english + "index.html")
               ? english
               : root;
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget), contents_(new QTreeWidget),
      page_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Pomoc programu VELT  2009"));
    resize(820, 600);

    contents_->setObjectName(QStringLiteral("Contents"));
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(false);
    tabs_->setObjectName(QStringLiteral("Tabs"));
    tabs_->addTab(contents_, tr("Tematy pomocy"));
    page_->setObjectName(QStringLiteral("Page"));
    page_->setOpenLinks(true);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabs_);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 590});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showTopic(item); });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showTopic(item); });
}

bool HelpViewer::winHelp(const QString& helpFile, int command, int data) {
    if (command != kHelpTopics || !QFile::exists(helpRoot(helpFile) + "index.html")) {
        return false;
    }
    if (helpFile != helpFile_) {
        helpFile_ = helpFile;
        contents_->clear();
        page_->setSearchPaths({helpRoot(helpFile)});
        for (const Topic& topic : kTopics) {
            if (!QFile::exists(helpRoot(helpFile) + QLatin1String(topic.page))) {
                continue;
            }
            auto* item =
                new QTreeWidgetItem(contents_, {QCoreApplication::translate("velt", topic.title)});
            item->setData(0, Qt::UserRole, QString::fromLatin1(topic.page));
        }
    }
    tabs_->setCurrentIndex(data >= 0 && data < tabs_->count() ? data : 0);
    contents_->setCurrentItem(contents_->topLevelItem(0));
    showTopic(contents_->topLevelItem(0));
    show();
    raise();
    activateWindow();
    return true;
}

void HelpViewer::showTopic(QTreeWidgetItem* item) {
    if (item != nullptr) {
        page_->setSource(QUrl(QStringLiteral("qrc") + helpRoot(helpFile_) +
                              item->data(0, Qt::UserRole).toString()));
    }
}

QString HelpViewer::currentPage() const {
    return page_->source().toString();
}

int HelpViewer::currentTab() const {
    return tabs_->currentIndex();
}

int HelpViewer::topicCount() const {
    return contents_->topLevelItemCount();
}

} // namespace velt
