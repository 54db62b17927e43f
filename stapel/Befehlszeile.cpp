// The command line of nodra-l-stapel.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "core/Tabellen.h"
#include "stapel/Seiten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* Hilfevorlage =
    "Aufruf: nodra-l-stapel EINGABE.csv AUSGABE.csv [--seiten SEITEN.pdf]\n"
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
    "%s"
    "  -h, --help     Diese Hilfe anzeigen\n"
    "  -v, --version  Version anzeigen\n"
    "\n"
    "Rückgabewert: 0 alle Zeilen berechnet, 1 nicht alle Zeilen berechnet, 2 Fehler (Datei,\n"
    "Kopfzeile, Aufruf); dann wird keine Ausgabedatei geschrieben.\n";

const char* Hilfe_Seiten =
    "  --seiten SEITEN.pdf\n"
    "                 je berechneter Zeile eine Seite in SEITEN.pdf, die Ergebnisseite des\n"
    "                 Programms, wie es sie druckt (A4), in der Reihenfolge der Eingabe\n";
const char* Hilfe_Ohne_Seiten =
    "  --seiten       (Ergebnisseiten als PDF) fehlt hier: dieses Programm wurde ohne die\n"
    "                 Fenster gebaut, die die Seiten zeichnen\n";

std::string Hilfetext(bool seiten) {
    const char* zusatz = seiten ? Hilfe_Seiten : Hilfe_Ohne_Seiten;
    std::string t(Hilfevorlage);
    t.replace(t.find("%s"), 2, zusatz);
    if (!seiten) t.replace(t.find(" [--seiten SEITEN.pdf]"), 22, "");
    return t;
}

}  // namespace

int Programm(int argc, char** argv, Seitenfabrik seitenfabrik) {
    // The program with result pages has set up the windows already.
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) app.emplace(argc, argv);
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
    const QCommandLineOption seitenOption(QStringLiteral("seiten"), QStringLiteral("Ergebnisseiten"),
                                          QStringLiteral("SEITEN.pdf"));
    if (seitenfabrik) p.addOption(seitenOption);
    const std::string hilfetext = Hilfetext(seitenfabrik != nullptr);
    if (!p.parse(QCoreApplication::arguments())) {
        const QStringList unbekannt = p.unknownOptionNames();
        const QString text = unbekannt.isEmpty() ? p.errorText()
                                                 : QStringLiteral("Unbekannte Option: ") + unbekannt.join(QStringLiteral(", "));
        std::fprintf(stderr, "%s\n\n%s", text.toLocal8Bit().constData(), hilfetext.c_str());
        return 2;
    }
    if (p.isSet(hilfe)) {
        std::fputs(hilfetext.c_str(), stdout);
        return 0;
    }
    if (p.isSet(version)) {
        std::puts("nodra-l-stapel 1.921");
        return 0;
    }
    const QStringList args = p.positionalArguments();
    const bool mitSeiten = seitenfabrik && p.isSet(seitenOption);
    if (p.isSet(vorlage) && mitSeiten) {
        std::fputs(hilfetext.c_str(), stderr);
        return 2;
    }
    if (p.isSet(vorlage)) {
        const std::string v = Vorlage();
        if (args.isEmpty()) {
            std::fwrite(v.data(), 1, v.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (args.size() > 1) {
            std::fputs(hilfetext.c_str(), stderr);
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
        std::fputs(hilfetext.c_str(), stderr);
        return 2;
    }
    // The page file is opened before any work: a name that cannot be
    // written ends the run before the input is read.
    std::unique_ptr<Seitenziel> seiten;
    Zeilenbeobachter jeZeile;
    std::string seitenfehler;
    if (mitSeiten) {
        const QString pdf = p.value(seitenOption);
        const QFileInfo info(pdf);
        for (const QString& datei : {args[0], args[1]})
            if (info.exists() && QFileInfo(datei).exists() && info.canonicalFilePath() == QFileInfo(datei).canonicalFilePath()) {
                std::fprintf(stderr, "Die Seitendatei ist die Ein- oder Ausgabedatei; sie wird nicht überschrieben.\n");
                return 2;
            }
        if (info.exists() && !info.isFile()) {
            std::fprintf(stderr, "Die Seitendatei „%s“ ist keine gewöhnliche Datei; sie wird nicht ersetzt.\n",
                         pdf.toLocal8Bit().constData());
            return 2;
        }
        seiten = seitenfabrik(pdf.toStdString());
        if (!seiten->Offen()) {
            std::fprintf(stderr, "Die Seitendatei „%s“ lässt sich nicht anlegen: %s\n", pdf.toLocal8Bit().constData(),
                         seiten->Fehler().c_str());
            return 2;
        }
        jeZeile = [&](const Zeilenergebnis& r, const std::vector<std::string>& zellen) {
            if (r.berechnet && seitenfehler.empty() && !seiten->Seite(r, zellen)) seitenfehler = seiten->Fehler();
        };
    }
    Abbruch_Anmelden();
    const bool terminal = isatty(fileno(stderr)) != 0 && QFileInfo(args[0]).size() > 500000;
    const Laufbericht b = Datei_Auswerten(args[0].toStdString(), args[1].toStdString(), stderr, terminal, jeZeile);
    if (!b.fehler.empty()) {
        std::fprintf(stderr, "%s\n", b.fehler.c_str());
        return 2;
    }
    std::fprintf(stderr, "%ld %s berechnet, %ld nicht berechnet.\n", b.berechnet, b.berechnet == 1 ? "Zeile" : "Zeilen",
                 b.nichtBerechnet);
    if (seiten) {
        if (seitenfehler.empty() && seiten->Seitenzahl() == 0) {
            std::fprintf(stderr, "Keine Zeile berechnet: es wurde keine Seitendatei geschrieben.\n");
        } else if (!seitenfehler.empty() || !seiten->Abschliessen()) {
            std::fprintf(stderr, "Die Ergebnisseiten ließen sich nicht schreiben (die Ausgabedatei ist geschrieben): %s\n",
                         (seitenfehler.empty() ? seiten->Fehler() : seitenfehler).c_str());
            return 2;
        } else {
            std::fprintf(stderr, "%ld %s in %s.\n", seiten->Seitenzahl(), seiten->Seitenzahl() == 1 ? "Seite" : "Seiten",
                         p.value(seitenOption).toLocal8Bit().constData());
        }
    }
    return b.nichtBerechnet == 0 ? 0 : 1;
}

}  // namespace nodra::stapel
