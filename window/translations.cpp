#include "window/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

namespace orvane {

void InstallTranslations(QCoreApplication& app) {
    // "ja-JP", "en-GB", ... in the user's order of preference; anything
    // unusual in the environment only makes a language we do not have.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("en")) return;
        const QString file = QStringLiteral(":/i18n/orvane_%1.qm").arg(code);
        if (code.isEmpty() || !QFile::exists(file)) continue;
        auto* translator = new QTranslator(&app);
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
        return;
    }
}

}  // namespace orvane
