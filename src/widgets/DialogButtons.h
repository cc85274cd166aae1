#pragma once
// The buttons of the code-built dialogs: named as the forms name theirs, in a row at the
// right.

#include <QString>

#include <initializer_list>

class QAbstractButton;
class QHBoxLayout;
class QPushButton;

namespace velt {

/// A push button with `text` and the object name `name` ("BitBtn1", ...).
QPushButton* namedButton(const QString& text, const char* name);

/// `buttons` in their order at the right of a row.
QHBoxLayout* buttonRow(std::initializer_list<QAbstractButton*> buttons);

} // namespace velt
