#pragma once
// The Polish wording of the project reader's own refusals, which it words in English for
// velt-calc: the desktop program's Polish interface shows them in Polish.

#include <string>

namespace velt {

/// The Polish wording of `message`; empty when the message is not one of the reader's own
/// English ones (the program's Polish texts, a file name).
std::string polishProjectMessage(const std::string& message);

} // namespace velt
