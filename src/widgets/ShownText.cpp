#include "widgets/ShownText.h"

#include "render/PainterHelpers.h"
#include "render/SourceText.h"

namespace velt {

QString shownText(const std::string& text) {
    return QString::fromStdString(translatedText(text, translatedSource));
}

QString shownText(const QString& text) {
    return shownText(text.toStdString());
}

} // namespace velt
