// The command line of nodra-l-stapel.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "core/Tabellen.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* Hilfetext =
    "Aufruf: nodra-l-stapel EINGABE.csv AUSGABE.csv\n"
    "        nodra-l-stapel --vorlage [VORLAGE.csv]\n"
    "\n"
    "Berechnet den Stickstoff-Düngebedarf vieler Schläge: eine Zeile der Eingabedatei je Schlag,\n"
    "eine Ergebniszeile je Eingabezeile in derselben Reihenfolge. Jede Zeile wird geprüft wie im\n"
    "Eingabefenster; eine Zeile, die das Fenster nicht berechnen würde, erhält in der Spalte\n"
    "„Meldungen“ dessen Meldung und bleibt ohne Ergebnis.\n"
    "\n"
    "CSV wie aus deutschen Tabellenkalkulationen: Semikolon als Trenner, Dezimalkomma, UTF-8.\n"
    "Spalten und erlaubte Werte zeigt die Vorlage; eine Auswahl gilt als Beschriftung des Knopfes\n"
    "oder als seine Nummer ab 1, ein Kontrollkästchen als ja/nein.\n"
    "\n"
    "Optionen:\n"
    "  --vorlage      Vorlage (Kopfzeile und Beispiel Winterweizen) schreiben, in die Datei\n"
    "                 oder auf die Standardausgabe\n"
    "  -h, --help     Diese Hilfe anzeigen\n"
    "  -v, --version  Version anzeigen\n"
    "\n"
    "Rückgabewert: 0 alle Zeilen berechnet, 1 nicht alle Zeilen berechnet, 2 Fehler (Datei,\n"
    "Kopfzeile, Aufruf); dann wird keine Ausgabedatei geschrieben.\n";

}  // namespace

int Programm(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nodra-l-stapel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.921"));
    Tabellen_Fuellen();

    QCommandLineParser p;
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Hilfe"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Version"));
    const QCommandLineOption vorlage(QStringLiteral("vorlage"), QStringLiteral("Vorlage schreiben"));
    p.addOption(hilfe);
    p.addOption(version);
    p.addOption(vorlage);
    if (!p.parse(QCoreApplication::arguments())) {
        const QStringList unbekannt = p.unknownOptionNames();
        const QString text = unbekannt.isEmpty() ? p.errorText()
                                                 : QStringLiteral("Unbekannte Option: ") + unbekannt.join(QStringLiteral(", "));
        std::fprintf(stderr, "%s\n\n%s", text.toLocal8Bit().constData(), Hilfetext);
        return 2;
    }
    if (p.isSet(hilfe)) {
        std::fputs(Hilfetext, stdout);
        return 0;
    }
    if (p.isSet(version)) {
        std::puts("nodra-l-stapel 1.921");
        return 0;
    }
    const QStringList args = p.positionalArguments();
    if (p.isSet(vorlage)) {
        const std::string v = Vorlage();
        if (args.isEmpty()) {
            std::fwrite(v.data(), 1, v.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (args.size() > 1) {
            std::fputs(Hilfetext, stderr);
            return 2;
        }
        QSaveFile f(args.front());
        if (!f.open(QIODevice::WriteOnly) || f.write(v.data(), static_cast<qint64>(v.size())) != static_cast<qint64>(v.size()) ||
            !f.commit()) {
            std::fprintf(stderr, "Die Vorlage lässt sich nicht schreiben: %s\n", f.errorString().toLocal8Bit().constData());
            return 2;
        }
        return 0;
    }
    if (args.size() != 2) {
        std::fputs(Hilfetext, stderr);
        return 2;
    }
    Abbruch_Anmelden();
    const bool terminal = isatty(fileno(stderr)) != 0 && QFileInfo(args[0]).size() > 500000;
    const Laufbericht b = Datei_Auswerten(args[0].toStdString(), args[1].toStdString(), stderr, terminal);
    if (!b.fehler.empty()) {
        std::fprintf(stderr, "%s\n", b.fehler.c_str());
        return 2;
    }
    std::fprintf(stderr, "%ld %s berechnet, %ld nicht berechnet.\n", b.berechnet, b.berechnet == 1 ? "Zeile" : "Zeilen",
                 b.nichtBerechnet);
    return b.nichtBerechnet == 0 ? 0 : 1;
}

}  // namespace nodra::stapel
