// The language of the interface.

#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <optional>

namespace velt {
namespace {

const char* const kKey = "language";
const char* const kLanguageProperty = "veltLanguage";

QSettings settings() {
    return QSettings(QStringLiteral("VELT"), QStringLiteral("VELT"));
}

QString codeOf(InterfaceLanguage language) {
    return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("pl");
}

std::optional<InterfaceLanguage> languageOf(const QString& code) {
    if (code == QLatin1String("en")) {
        return InterfaceLanguage::English;
    }
    if (code == QLatin1String("pl")) {
        return InterfaceLanguage::Polish;
    }
    return std::nullopt;
}

// Installed translators live as long as the application that uses them.
void install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

InterfaceLanguage chosenLanguage(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--lang"));
    if (at >= 0 && at + 1 < arguments.size()) {
        if (const auto language = languageOf(arguments[at + 1])) {
            return *language;
        }
    }
    return keptLanguage();
}

InterfaceLanguage keptLanguage() {
    return languageOf(settings().value(QLatin1String(kKey)).toString())
        .value_or(InterfaceLanguage::Polish);
}

void keepLanguage(InterfaceLanguage language) {
    settings().setValue(QLatin1String(kKey), codeOf(language));
}

void installTranslations(QCoreApplication& application, InterfaceLanguage language) {
    application.setProperty(kLanguageProperty, codeOf(language));
    install(application, QStringLiteral("qtbase_") + codeOf(language),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == InterfaceLanguage::English) {
        install(application, QStringLiteral("velt_en"), QStringLiteral(":/i18n"));
    }
}

InterfaceLanguage currentLanguage() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application == nullptr ? InterfaceLanguage::Polish
                                  : languageOf(application->property(kLanguageProperty).toString())
                                        .value_or(InterfaceLanguage::Polish);
}

QStringList withoutLanguageArguments(const QStringList& arguments) {
    QStringList rest = arguments;
    const qsizetype at = rest.indexOf(QStringLiteral("--lang"));
    if (at >= 0) {
        rest.remove(at, std::min<qsizetype>(2, rest.size() - at));
    }
    return rest;
}

} // namespace velt
