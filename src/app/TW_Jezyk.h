#pragma once
// "Język / Language": the interface's language for the next start.

#include "app/Language.h"
#include "widgets/ModalDialog.h"

class QRadioButton;

namespace velt {

class TW_Jezyk : public ModalDialog {
    Q_OBJECT

  public:
    explicit TW_Jezyk(InterfaceLanguage current, QWidget* parent = nullptr);

    InterfaceLanguage chosen() const;

  private:
    QRadioButton* polish_;
    QRadioButton* english_;
};

} // namespace velt
