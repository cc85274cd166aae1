#pragma once
// The about window: name, version and purpose of the program.

#include <QDialog>

#include <memory>

class QTextEdit;

namespace Ui {
class TW_About;
}

namespace velt {

/// Fills the read-only memo of the about and splash windows.
void fillAboutMemo(QTextEdit& memo);

class TW_About : public QDialog {
    Q_OBJECT

  public:
    explicit TW_About(QWidget* parent = nullptr);
    ~TW_About() override;

  private:
    std::unique_ptr<Ui::TW_About> ui;
};

} // namespace velt
