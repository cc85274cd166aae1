#pragma once
// A radio group is a group box holding radio buttons; its index is the checked one's place.

class QGroupBox;

namespace velt {

/// 0-based place of the checked radio button in `group`, or -1 when none is checked.
int radioIndex(const QGroupBox& group);

/// Checks the radio button at `index`; an index outside the group changes nothing.
void setRadioIndex(QGroupBox& group, int index);

} // namespace velt
