#include "ui/Titel.h"

namespace nodra::ui {

QString Programmtitel;

QString Programmtitel_der_Ausgabe() {
    return QString::fromUtf8(Ausgabename) == QStringLiteral("Nodra-L") ? QStringLiteral("Nodrawerk  - Landwirt - ")
                                                                       : QStringLiteral("Nodrawerk  - Landwirt/Versuchsstation - ");
}

QString Versionszeile() {
    return QString::fromUtf8(Ausgabename) + QStringLiteral("  Version: ") + QString::fromUtf8(Versionsnummer) +
           QStringLiteral("  Stand: ") + QString::fromUtf8(Versionsdatum);
}

}  // namespace nodra::ui
