// A project file's refusal in the interface's language.

#include "app/ProjectMessage.h"

#include "app/Language.h"
#include "widgets/ShownText.h"

namespace velt {

QString projectMessage(const LoadResult& result) {
    if (currentLanguage() == InterfaceLanguage::Polish && !result.polishMessage.empty()) {
        return QString::fromStdString(result.polishMessage);
    }
    // An English message is the English interface's; the program's own texts translate.
    return shownText(result.message);
}

} // namespace velt
