// Files as advisors and their machines hand them to the batch: outputs that
// are no regular file, formulas in names, broken quotes, Ctrl+C while
// waiting for input, old line ends, huge cells, NUL bytes, file names that
// are not UTF-8, a full disk, spreadsheet spellings and Windows-1252.
#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "tests/stapel/Stapelhilfen.h"

namespace nodra::stapel {
namespace {

std::string Ersetzt(std::string t, const std::string& von, const std::string& zu) {
    for (std::size_t p = 0; (p = t.find(von, p)) != std::string::npos; p += zu.size()) t.replace(p, von.size(), zu);
    return t;
}

TEST_F(Stapeldatei, AusgabeNurAlsGewoehnlicheDateiOderNeuerName) {
    const std::string ein = Pfad("ein.csv"), inhalt = Kopf() + Beispiel().csv();
    Schreiben(ein, inhalt);
    const std::string fifo = Pfad("fifo"), geraet = Pfad("null"), unterordner = Pfad("ordner");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(unterordner.c_str(), 0700), 0);
    const bool root = ::mknod(geraet.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    ASSERT_EQ(::symlink("gibt-es-nicht", Pfad("verweis").c_str()), 0);
    std::vector<std::string> ziele = {fifo, unterordner, Pfad("verweis")};
    if (root) ziele.push_back(geraet);
    for (const auto& z : ziele) {
        EXPECT_EQ(Aufruf({ein, z}), 2) << z;
        EXPECT_NE(protokoll.find("ist keine gewöhnliche Datei"), std::string::npos) << protokoll;
        EXPECT_EQ(Aufruf({"--vorlage", z}), 2) << z;
    }
    struct stat st {};
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    if (root) {
        EXPECT_TRUE(::stat(geraet.c_str(), &st) == 0 && S_ISCHR(st.st_mode));
    }
    EXPECT_EQ(Lesen(ein), inhalt);
    // A regular file and a new name are written; a link to a file stays a
    // link to the new file.
    EXPECT_EQ(Aufruf({ein, Pfad("neu.csv")}), 0);
    Schreiben(Pfad("alt.csv"), "alt");
    ASSERT_EQ(::symlink("alt.csv", Pfad("zu-alt").c_str()), 0);
    EXPECT_EQ(Aufruf({ein, Pfad("zu-alt")}), 0);
    EXPECT_EQ(Lesen(Pfad("alt.csv")), Lesen(Pfad("neu.csv")));
    EXPECT_TRUE(::lstat(Pfad("zu-alt").c_str(), &st) == 0 && S_ISLNK(st.st_mode));
    const auto soll = root ? std::vector<std::string>{"alt.csv", "ein.csv", "fifo", "neu.csv", "null", "ordner", "verweis", "zu-alt"}
                           : std::vector<std::string>{"alt.csv", "ein.csv", "fifo", "neu.csv", "ordner", "verweis", "zu-alt"};
    EXPECT_EQ(Inhalt(ordner), soll);  // no temporary file left
}

TEST_F(Stapeldatei, FormelnWerdenTextZahlenBleibenZahlen) {
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    const std::string inhalt =
        Kopf() + Beispiel().mit("Betrieb", "=HYPERLINK(\"http://x\")").mit("Schlag", "@SUM(1)").mit("Vorfrucht", "-----").roh() +
        Beispiel().mit("Betrieb", "+49 Hof").mit("Schlag", "-2+3").mit("Nmin 0..30 cm", "-5").roh();
    Schreiben(ein, inhalt);
    EXPECT_EQ(Lauf(ein, aus).berechnet, 1);
    const std::string o = Lesen(aus);
    EXPECT_NE(o.find("\r\n\"'=HYPERLINK(\"\"http://x\"\")\";'@SUM(1);"), std::string::npos) << o;
    EXPECT_NE(o.find("\r\n'+49 Hof;'-2+3;"), std::string::npos) << o;
    EXPECT_NE(o.find(";-5;20;"), std::string::npos);        // a number stays a number
    EXPECT_NE(o.find(";'-----;"), std::string::npos);       // "sonstige" would be a formula too
    EXPECT_EQ(Lesen(ein), inhalt);
    // The result file can be read again: the mark is the spreadsheet's, not the cell's.
    const Laufbericht b = Lauf(aus, Pfad("nochmal.csv"));
    EXPECT_TRUE(b.fehler.find("Unbekannte") != std::string::npos);  // its result columns are not inputs
}

TEST_F(Stapeldatei, OffenesAnfuehrungszeichenNenntSeineZeile) {
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    const std::string inhalt = Kopf() + Beispiel().csv() + "\"" + Beispiel().csv() +
                               Beispiel().csv() + Beispiel().csv();
    Schreiben(ein, inhalt);
    EXPECT_EQ(Aufruf({ein, aus}), 2);
    EXPECT_NE(protokoll.find("Zeile 3: ein Anführungszeichen am Anfang eines Feldes wird bis zum Ende der Datei nicht "
                             "geschlossen, die Zeilen 3 bis 5 wären ein einziges Feld"),
              std::string::npos)
        << protokoll;
    EXPECT_FALSE(Gibt_Es(aus));
    EXPECT_EQ(Lesen(ein), inhalt);
    EXPECT_EQ(Inhalt(ordner), std::vector<std::string>{"ein.csv"});

    // Closed only by a quote two rows further: those rows are one, and the
    // run says so.
    Schreiben(ein, Kopf() + Beispiel().csv() + "\"" + Beispiel().csv() + Beispiel().csv() + "x\";" + Beispiel().csv() +
                       Beispiel().csv());
    EXPECT_EQ(Aufruf({ein, aus}), 1);
    EXPECT_NE(protokoll.find("Zeile 3: Zeile hat 25 Spalten statt 24 (die Zeilen 3 bis 5 der Datei sind eine Zeile"),
              std::string::npos)
        << protokoll;
    EXPECT_NE(protokoll.find("2 Zeilen berechnet, 1 nicht berechnet. Die Datei hat 5 Zeilen unter der Kopfzeile"),
              std::string::npos)
        << protokoll;
}

// Ctrl+C while the program waits for a writer of the FIFO, and while it
// waits for the writer's data.
TEST_F(Stapeldatei, StrgCBeendetDasWartenAufEingabe) {
    const std::string fifo = Pfad("fifo"), aus = Pfad("aus.csv"), log = Pfad("log");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const bool schreiber : {false, true}) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(fd, 2);
            std::string a0 = "nodra-l-stapel", a1 = fifo, a2 = aus;
            char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
            ::_exit(Programm(3, argv));
        }
        int fd = -1;
        if (schreiber) {
            fd = ::open(fifo.c_str(), O_WRONLY);  // waits until the program opened it
            ASSERT_EQ(::write(fd, Kopf().data(), Kopf().size()), static_cast<ssize_t>(Kopf().size()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        int status = 0;
        pid_t fertig = 0;
        for (int i = 0; i < 100 && fertig == 0; ++i) {
            if (i % 20 == 0) ::kill(kind, SIGINT);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            fertig = ::waitpid(kind, &status, WNOHANG);
        }
        if (fertig == 0) {
            ::kill(kind, SIGKILL);
            ::waitpid(kind, &status, 0);
            ADD_FAILURE() << "Ctrl+C did not end the program" << (schreiber ? " while reading" : " while opening");
        }
        if (fd >= 0) ::close(fd);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
        EXPECT_NE(Lesen(log).find("Abgebrochen; es wurde keine Ausgabedatei geschrieben."), std::string::npos);
        EXPECT_EQ(Inhalt(ordner), (std::vector<std::string>{"fifo", "log"}));
    }
}

TEST_F(Stapeldatei, NurWagenruecklaufAlsZeilenende) {
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    std::string t = Kopf() + Beispiel().csv() + Beispiel().mit("Ackerzahl", "").csv() + Beispiel().csv() +
                    Beispiel().mit("Hauptfrucht", "Wi-Hafer").csv();
    t = Ersetzt(t, "\r\n", "\r");
    Schreiben(ein, t);
    EXPECT_EQ(Aufruf({ein, aus}), 1);
    EXPECT_NE(protokoll.find("Zeile 3: Bitte auswählen: Ackerzahl"), std::string::npos) << protokoll;
    EXPECT_NE(protokoll.find("Zeile 5: Hauptfrucht"), std::string::npos) << protokoll;
    EXPECT_NE(protokoll.find("2 Zeilen berechnet, 2 nicht berechnet.\n"), std::string::npos) << protokoll;
    EXPECT_EQ(Lesen(ein), t);
}

TEST_F(Stapeldatei, RiesigeZellenUndNulWerdenKurzZitiert) {
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    const std::string riesig(2'000'000, '7');
    std::string nul = "3";
    nul += '\0';
    const std::string inhalt = Kopf() + Beispiel().mit("Nmin 0..30 cm", riesig).csv() +
                               Beispiel().mit("Hauptfrucht", "Wi-" + riesig).csv() + Beispiel().mit("Nmin 0..30 cm", nul).csv();
    Schreiben(ein, inhalt);
    EXPECT_EQ(Aufruf({ein, aus}), 1);
    EXPECT_LT(protokoll.size(), 1000U);
    EXPECT_NE(protokoll.find("Zeile 2: Nmin 0..30 cm: „" + riesig.substr(0, 40) + "…“ ist zu lang"), std::string::npos);
    EXPECT_NE(protokoll.find("Zeile 4: Nmin 0..30 cm: „3\xEF\xBF\xBD“ ist keine Zahl"), std::string::npos) << protokoll;
    EXPECT_LT(Lesen(aus).size(), inhalt.size() + 5000);  // each cell once, not again in the messages
    EXPECT_EQ(Lesen(ein), inhalt);

    // A header of many unknown columns names the first few.
    std::string kopf = Kopf();
    kopf.resize(kopf.size() - 2);
    for (int i = 0; i < 100000; ++i) kopf += ";Spalte " + std::to_string(i);
    Schreiben(ein, kopf + "\r\n");
    EXPECT_EQ(Aufruf({ein, Pfad("neu.csv")}), 2);
    EXPECT_LT(protokoll.size(), 1000U);
    EXPECT_NE(protokoll.find("„Spalte 9“ und 99990 weitere."), std::string::npos) << protokoll;
    EXPECT_FALSE(Gibt_Es(Pfad("neu.csv")));
}

TEST_F(Stapeldatei, DateinamenSindBytes) {
    const std::string ein = Pfad("M\xFChle.csv"), aus = Pfad("Erg\xE4.csv");
    Schreiben(ein, Kopf() + Beispiel().csv());
    EXPECT_EQ(Aufruf({ein, aus}), 0) << protokoll;
    EXPECT_EQ(Inhalt(ordner), (std::vector<std::string>{"Erg\xE4.csv", "M\xFChle.csv"}));
}

// A disk of 64 KiB of the test's own (root only; skipped elsewhere).
TEST_F(Stapeldatei, VollerDatentraeger) {
    const std::string klein = Pfad("klein");
    ASSERT_EQ(::mkdir(klein.c_str(), 0700), 0);
    if (::mount("tmpfs", klein.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no tmpfs of our own";
    const std::string ein = Pfad("ein.csv"), aus = klein + "/aus.csv";
    std::string t = Kopf();
    for (int i = 0; i < 500; ++i) t += Beispiel().csv();
    Schreiben(ein, t);
    EXPECT_EQ(Aufruf({ein, aus}), 2);
    EXPECT_NE(protokoll.find("Schreiben der Ausgabedatei misslungen: kein Platz mehr auf dem Datenträger"),
              std::string::npos)
        << protokoll;
    EXPECT_TRUE(Inhalt(klein).empty());
    ::umount(klein.c_str());
}

TEST_F(Stapeldatei, LeereSpalteAmEndeDerKopfzeile) {
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    std::string kopf = Kopf();
    kopf.insert(kopf.size() - 2, ";");
    std::string mit = Beispiel().csv();
    mit.insert(mit.size() - 2, ";");
    Schreiben(ein, kopf + Beispiel().csv() + mit);
    EXPECT_EQ(Aufruf({ein, aus}), 0) << protokoll;
    EXPECT_NE(Lesen(aus).find("\r\nMusterhof;Am Weg;"), std::string::npos);
}

// Spellings of a spreadsheet: AutoCorrect's "…", other case, leading zeros.
TEST(Stapelzeile, SchreibweisenEinerTabellenkalkulation) {
    Tabellen_Fuellen();
    const Zeilenergebnis soll =
        Zeile_Auswerten(Beispiel().mit("Düngestoff", "Rindergülle").mit("Menge", "16").mit("Zeitraum", "ab 16.03").z);
    ASSERT_TRUE(soll.berechnet) << soll.meldungen.front();
    const Zeilenergebnis r = Zeile_Auswerten(Beispiel()
                                                 .mit("Düngestoff", "Rindergülle")
                                                 .mit("Menge", "016")
                                                 .mit("Zeitraum", "AB 16.03")
                                                 .mit("Zielertrag (dt/ha)", "54 … 81")
                                                 .mit("Ackerzahl", "40 … 75")
                                                 .mit("Ernterückstände der Vorfrucht eingearbeitet", "nein")
                                                 .mit("Schwarzerde", "Nein")
                                                 .mit("Bestandesentwicklung", "MITTEL")
                                                 .mit("Bodenartengruppe", "LS (SL) [3]")
                                                 .z);
    ASSERT_TRUE(r.berechnet) << r.meldungen.front();
    EXPECT_EQ(r.werte, soll.werte);
    // Still too long by value.
    const Zeilenergebnis lang = Zeile_Auswerten(Beispiel().mit("Düngestoff", "Rindergülle").mit("Menge", "0160").z);
    ASSERT_FALSE(lang.berechnet);
    EXPECT_EQ(lang.meldungen.front(), "Menge: „0160“ ist zu lang, das Feld nimmt höchstens 2 Zeichen auf");
}

// UTF-8 to Windows-1252 for the characters of the template and "…".
std::string Als_Windows1252(const std::string& t) {
    std::string w;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (t.compare(i, 3, "…") == 0) {
            w += '\x85';
            i += 2;
        } else if (c == 0xC2 || c == 0xC3) {
            w += static_cast<char>((static_cast<unsigned char>(t[i + 1]) & 0x3F) | (c == 0xC3 ? 0xC0 : 0x80));
            ++i;
        } else {
            w += t[i];
        }
    }
    return w;
}

TEST_F(Stapeldatei, VorlageAlsWindows1252UndMitAuslassungspunkten) {
    const std::string utf8 = Pfad("utf8.csv"), w1252 = Pfad("w1252.csv");
    std::string t = Vorlage().substr(3);
    t += Beispiel().mit("Düngestoff", "Rindergülle").mit("Menge", "20").mit("Zeitraum", "01.10 ... 15.03.").csv();
    t += Beispiel().mit("Ackerzahl", "> 75").mit("Betrieb", "Höhenhof").csv();
    Schreiben(utf8, t);
    Schreiben(w1252, Als_Windows1252(Ersetzt(t, " ... ", " … ")));
    const Laufbericht a = Lauf(utf8, Pfad("a.csv"));
    EXPECT_EQ(protokoll, "");
    const Laufbericht b = Lauf(w1252, Pfad("b.csv"));
    EXPECT_EQ(a.berechnet, 3);
    EXPECT_EQ(b.berechnet, 3);
    EXPECT_EQ(protokoll.find("Windows-1252"), protokoll.rfind("Windows-1252"));  // said once
    EXPECT_NE(protokoll.find("als Windows-1252 gelesen"), std::string::npos);
    const std::string o = Lesen(Pfad("b.csv"));
    EXPECT_EQ(o.rfind("\xEF\xBB\xBF", 0), 0U);
    EXPECT_NE(o.find("Höhenhof"), std::string::npos);
    EXPECT_EQ(Ersetzt(o, " … ", " ... "), Lesen(Pfad("a.csv")));
}

}  // namespace
}  // namespace nodra::stapel
