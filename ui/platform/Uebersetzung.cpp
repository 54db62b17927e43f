#include "ui/platform/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nodra::ui {

bool Qt_Uebersetzung_Laden() {
    auto* app = QCoreApplication::instance();
    if (!app) return false;
    auto* uebersetzung = new QTranslator(app);
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(uebersetzung)) {
        delete uebersetzung;
        return false;
    }
    return true;
}

}  // namespace nodra::ui
