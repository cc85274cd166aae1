#include "cli/GraphPicture.h"

#include "model/DecimalText.h"
#include "render/FieldMapExport.h"
#include "render/GifWriter.h"
#include "render/GraphExport.h"
#include "results/Report.h"

#include <QGuiApplication>

#include <clocale>
#include <memory>
#include <optional>

namespace velt {
namespace {

std::optional<QSize> pictureSize(const std::string& text) {
    if (text.empty()) {
        return QSize(kDefaultPictureWidth, kDefaultPictureHeight);
    }
    const std::size_t x = text.find('x');
    if (x == std::string::npos || x == 0 || x + 1 == text.size() ||
        text.find_first_not_of("0123456789x") != std::string::npos) {
        return std::nullopt;
    }
    const int width = readWholeNumber(text.substr(0, x));
    const int height = readWholeNumber(text.substr(x + 1));
    const auto fits = [](int side) { return side >= 1 && side <= kLargestPictureSide; };
    if (!fits(width) || !fits(height) || text.find('x', x + 1) != std::string::npos) {
        return std::nullopt;
    }
    return QSize(width, height);
}

// velt-calc's error stream carries its own messages only; Qt's notes about the platform
// (no runtime folder, no session bus) are not for its users.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qt_message_output(type, context, text);
    }
}

// Text needs a QGuiApplication. velt-calc makes one on the offscreen platform (unless the
// user names another), and puts back the process locale that QGuiApplication sets from the
// environment, so that velt-calc runs alike with and without pictures.
class PictureApplication {
  public:
    PictureApplication() {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        qInstallMessageHandler(keepSeriousMessages);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        std::setlocale(LC_ALL, locale.c_str());
    }

  private:
    static inline char name_[] = "velt-calc";
    static inline char* argv_[] = {name_, nullptr};
    static inline int argc_ = 1;
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace

std::string checkPictureOption(const std::string& /*path*/) {
    return {};
}

std::string checkPictureSize(const std::string& text) {
    return pictureSize(text) ? std::string()
                             : "a size WxH of 1 to " + std::to_string(kLargestPictureSide) +
                                   " pixels each is expected";
}

bool writeGraphPicture(const std::string& path, GraphFormat format, const std::string& size,
                       const FieldProfile& profile, bool towerShifted, std::ostream& out,
                       std::ostream& err, const CalculationExtras* extras) {
    const std::optional<QSize> pixels = pictureSize(size);
    if (!pixels) {
        err << "velt-calc: --size: " << checkPictureSize(size) << '\n';
        return false;
    }
    const PictureApplication application;
    GraphFileSource source{profile, towerShifted, *pixels, kSvgDpi,
                           QStringLiteral("Wariant %1.").arg(profile.variantNumber)};
    source.extras = extras;
    if (writeGraphFile(path, format, source)) {
        out << path << '\n';
        return true;
    }
    // A GIF is the desktop program's picture, with its message.
    err << (format == GraphFormat::Gif ? kCannotWritePictureMessage : kCannotCreateFileMessage)
        << path << '\n';
    return false;
}

bool writeMapPicture(const std::string& path, GraphFormat format, const FieldMap& map,
                     const CalculationOptions& options, std::ostream& out, std::ostream& err) {
    const PictureApplication application;
    const FieldMapFileSource source{map, options,
                                    QSize(kDefaultPictureWidth, kDefaultPictureHeight), kSvgDpi,
                                    QStringLiteral("Mapa pola")};
    if (writeFieldMapFile(path, format, source)) {
        out << path << '\n';
        return true;
    }
    err << kCannotCreateFileMessage << path << '\n';
    return false;
}

} // namespace velt
