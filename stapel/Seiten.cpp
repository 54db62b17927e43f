#include "stapel/Seiten.h"

#include <QApplication>
#include <cstring>
#include <optional>

#include "stapel/Spalten.h"
#include "ui/platform/Uebersetzung.h"
#include "ui/result/Ergebnisseiten.h"

namespace nodra::stapel {

namespace {

class Pdfseiten : public Seitenziel {
public:
    explicit Pdfseiten(const std::string& datei) : seiten_(QString::fromStdString(datei)) {}

    bool Offen() const override { return seiten_.Offen(); }
    bool Seite(const Zeilenergebnis& z, Zellen zellen) override {
        const auto text = [&zellen](Spalte s) {
            const auto i = static_cast<std::size_t>(s);
            return i < zellen.size() ? QString::fromUtf8(zellen[i].data(), static_cast<qsizetype>(zellen[i].size())) : QString();
        };
        return seiten_.Seite(z.eingabe, z.ergebnis,
                             ui::Ausgabetexte_Fuer(z.eingabe, text(Betrieb), text(Schlag)));
    }
    bool Abschliessen() override { return seiten_.Abschliessen(); }
    std::string Fehler() const override { return seiten_.Fehler().toStdString(); }
    long Seitenzahl() const override { return seiten_.Seitenzahl(); }

private:
    ui::Ergebnisseiten seiten_;
};

bool Seiten_Verlangt(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) return false;
        if (std::strcmp(argv[i], "--seiten") == 0 || std::strncmp(argv[i], "--seiten=", 9) == 0) return true;
    }
    return false;
}

// Drawing the pages without a display asks for the session's runtime folder,
// which jobs started by cron or as another user do not have; Qt then uses a
// folder of its own and says so on every run. That note is no concern of the
// advisor's; every other message passes.
QtMessageHandler vorherigeAusgabe = nullptr;
void Meldungsausgabe(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    vorherigeAusgabe(art, ort, text);
}

}  // namespace

std::unique_ptr<Seitenziel> Seiten_Oeffnen(const std::string& datei) { return std::make_unique<Pdfseiten>(datei); }

int Programm_Mit_Seiten(int argc, char** argv) {
    std::optional<QApplication> app;
    if (Seiten_Verlangt(argc, argv)) {
#if !defined(_WIN32) && !defined(__APPLE__)
        // The pages are drawn without showing a window: no display is needed,
        // and none is used where there is one (nor one named in the
        // environment that may not be there when a job runs).
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
#endif
        vorherigeAusgabe = qInstallMessageHandler(Meldungsausgabe);
        app.emplace(argc, argv);
        // Qt's own texts (a page file that cannot be written) in German.
        ui::Qt_Uebersetzung_Laden();
    }
    return Programm(argc, argv, &Seiten_Oeffnen);
}

}  // namespace nodra::stapel
