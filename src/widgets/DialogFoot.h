#pragma once
// The buttons of a dialog built in code, named as the program names its controls.

#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

namespace velt {

QPushButton* namedButton(const QString& text, const QString& name);

/// The foot of a dialog: its own buttons at the left, "&Tak" (BitBtn1) and "Anuluj"
/// (BitBtn2) at the right.
struct DialogFoot {
    QHBoxLayout* layout;
    QPushButton* yes;
    QPushButton* cancel;
};

DialogFoot dialogFoot(std::initializer_list<QPushButton*> left = {});

} // namespace velt
