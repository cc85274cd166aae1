#pragma once
// The buttons of the code-built dialogs: named as the forms name them, and set in a row at
// the dialog's bottom right.

#include <QString>

#include <initializer_list>

class QAbstractButton;
class QHBoxLayout;
class QPushButton;

namespace velt {

/// A push button showing `text`, with the object name `name` ("BitBtn1").
QPushButton* namedButton(const QString& text, const char* name);

/// The dialog's answer buttons in a row, at its right, in the order given.
QHBoxLayout* answerRow(std::initializer_list<QAbstractButton*> buttons);

} // namespace velt
