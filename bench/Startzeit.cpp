// Start-up benchmark: builds and shows the main window as the program does and
// reports the time from the start of main to the first painted window; then
// enters the winter wheat case, presses the calculate button and reports the
// time until the result window is painted. Times in ms on stdout:
//   start <ms> rechnen <ms>
// With --nur-start it ends after the first window and prints instead
//   start <ms> bild <wall clock of the first paint in ns>
#include "bench/ErstesBild.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "Programmversion.h"
#include "ui/input/frmNodra_B.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace {


template <class T>
T* Element(const QWidget& f, const char* name) {
    return f.findChild<T*>(QString::fromUtf8(name));
}

void Waehlen(const QWidget& f, const char* liste, const char* text) {
    QComboBox* c = Element<QComboBox>(f, liste);
    const int i = c->findText(QString::fromUtf8(text));
    c->setCurrentIndex(i);
    emit c->activated(i);
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer uhr;
    uhr.start();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QString::fromUtf8(nodra::Ausgabename));

    nodra::ui::frmNodra_B f;
    ErstesBild start;
    start.uhr = &uhr;
    // A window counts as shown when its controls are painted.
    Element<QAbstractButton>(f, "cmdEnde")->installEventFilter(&start);
    f.show();
    start.schleife.exec();
    if (argc > 1 && QByteArray(argv[1]) == "--nur-start") {
        std::printf("start %.1f bild %lld\n", start.zeit / 1e6, start.wanduhr);
        return 0;
    }

    // Calculate to result window.
    nodra::ui::SkriptPlattform skript;
    Waehlen(f, "cboKultur", "Wi-Weizen");
    Waehlen(f, "cboSorte", "----- B");
    Waehlen(f, "cboVorfrucht", "Wi-Raps");
    for (const char* n : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm"})
        Element<QRadioButton>(f, n)->click();
    Element<QLineEdit>(f, "txtNmin0_30")->setText(QStringLiteral("30"));
    Element<QLineEdit>(f, "txtNmin30_60")->setText(QStringLiteral("20"));
    QElapsedTimer rechnen;
    ErstesBild ergebnis;
    ergebnis.uhr = &rechnen;
    rechnen.start();
    Element<QAbstractButton>(f, "cmdBerechnenAusgabe")->click();
    nodra::ui::frmNodra_BAusgabe* ausgabe = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<nodra::ui::frmNodra_BAusgabe*>(w); a && a->isVisible()) ausgabe = a;
    if (!ausgabe) return 1;
    Element<QAbstractButton>(*ausgabe, "cmdZurück")->installEventFilter(&ergebnis);
    ergebnis.schleife.exec();

    std::printf("start %.1f rechnen %.1f\n", start.zeit / 1e6, ergebnis.zeit / 1e6);
    skript.antworten = {nodra::ui::Antwort::Ja};
    ausgabe->close();
    f.close();
    return 0;
}
