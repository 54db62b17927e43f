#include "ui/Titel.h"

namespace nodra::ui {

QString Programmtitel;

QString Versionszeile() {
    return QString::fromUtf8(Ausgabename) + QStringLiteral("  Version: ") + QString::fromUtf8(Versionsnummer) +
           QStringLiteral("  Stand: ") + QString::fromUtf8(Versionsdatum);
}

}  // namespace nodra::ui
