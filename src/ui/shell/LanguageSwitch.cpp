#include "ui/shell/LanguageSwitch.h"

#include "ui/shell/Language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace LanguageSwitch {

void apply(const QString &storedLanguage)
{
    QCoreApplication *application = QCoreApplication::instance();
    // Language::install parents its translators to the application; without
    // removing them first, the old language would keep winning every lookup.
    const QList<QTranslator *> previous = application->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : previous) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Language::install(*application, Language::localeFor(storedLanguage));
}

} // namespace LanguageSwitch
