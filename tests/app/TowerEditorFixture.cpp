// The tower editor driven as a user drives it.

#include "TowerEditorFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace velt::test {

TowerEditorFixture::TowerEditorFixture()
    : dir(std::filesystem::temp_directory_path() /
          // One folder per process: ctest runs the tests side by side.
          ("velt-tower-editor-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
}

TowerEditorFixture::~TowerEditorFixture() {
    std::error_code error;
    std::filesystem::remove_all(dir, error);
}

void TowerEditorFixture::type(const char* name, const QString& text) {
    // The text goes in whole (the test library types no letters beyond Latin-1); the key
    // that follows runs the editor's key handlers.
    QLineEdit& edit = field(name);
    edit.setText(text);
    QTest::keyClick(&edit, Qt::Key_End);
}

void TowerEditorFixture::expectListEdit(const QString& dialog,
                                        const std::vector<ConductorRow>& rows,
                                        const BundleFields& bundle, const QString& button) {
    const std::size_t adds = rows.size();
    prompter->expect(dialog, [=](QDialog& d) {
        for (std::size_t i = 0; i < adds; ++i) {
            child<QPushButton>(d, "BitBtn1").click();
        }
        child<QLineEdit>(d, "Edit2").setText(QString::fromStdString(bundle.diameter));
        child<QLineEdit>(d, "Edit3").setText(QString::fromStdString(bundle.bundleCount));
        child<QLineEdit>(d, "Edit4").setText(QString::fromStdString(bundle.bundleSpacing));
        return clickIn(d, button);
    });
    for (const ConductorRow& row : rows) {
        prompter->expect("TW_NewPrzew", [row](QDialog& d) {
            child<QLineEdit>(d, "Edit1").setText(QString::fromStdString(row.distance));
            child<QLineEdit>(d, "Edit2").setText(QString::fromStdString(row.height));
            return clickIn(d, "BitBtn1");
        });
    }
}

void TowerEditorFixture::defineTower(const QString& series, const QString& type) {
    this->type("Edit1", series);
    this->type("Edit2", type);
    combo("ComboBox2").setCurrentIndex(0);
    expectListEdit("TW_PRob", {{"-2.6", "0"}, {"3.4", "0"}, {"2.6", "3.2"}}, {"0.016", "1", "1.0"});
    child<QAbstractButton>(editor(), "SpeedButton1").click();
    expectListEdit("TW_NPOdg", {{"0", ""}}, {"0.013", "1", "1.0"});
    child<QAbstractButton>(editor(), "SpeedButton2").click();
    this->type("Edit6", "10");
    this->type("Edit7", "14");
}

QImage TowerEditorFixture::drawing() {
    editor().show();
    QApplication::processEvents();
    const QImage image = child<QWidget>(editor(), "PaintBox1").grab().toImage();
    editor().hide();
    return image;
}

bool hasColour(const QImage& image, QRgb rgb) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace velt::test
