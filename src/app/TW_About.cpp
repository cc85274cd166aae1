// The about window.

#include "app/TW_About.h"

#include "ui_TW_About.h"

#include <QCoreApplication>
#include <QTextCursor>

namespace velt {

void fillAboutMemo(QTextEdit& memo) {
    memo.setPlainText(QCoreApplication::translate("velt",
                                                  "VELT 2009 dla Windows\n"
                                                  "Obliczenia pola elektromagnetycznego pod \n"
                                                  "liniami \n"
                                                  "elektroenergetycznymi\n"
                                                  "\n"
                                                  "Opracowanie: zespół programu VELT\n"
                                                  "Kontakt: dział wsparcia użytkowników"));
    QTextCursor all(memo.document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

TW_About::TW_About(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TW_About>()) {
    ui->setupUi(this);
    fillAboutMemo(*ui->Memo1);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

TW_About::~TW_About() = default;

} // namespace velt
