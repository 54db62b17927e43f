// Files of the batch by their names as given (bytes, whatever their
// encoding): the input read in blocks, the output written safely (a
// temporary file beside it, renamed at the end) and never anything but a
// regular file replaced; Ctrl+C ends a run at once, also while it waits for
// input from a pipe.
#pragma once

#include <cstddef>
#include <string>

namespace nodra::stapel {

// The reason of a failed file operation, in German.
std::string Systemfehler(int fehlernummer);

// Ctrl+C and termination requests: installed by Abbruch_Anmelden (in
// Stapel.h); a blocked read returns at once.
bool Abbruch_Angefordert();

class Eingabedatei {
public:
    Eingabedatei() = default;
    ~Eingabedatei();
    Eingabedatei(const Eingabedatei&) = delete;
    Eingabedatei& operator=(const Eingabedatei&) = delete;

    // Empty on success, else the message.
    std::string Oeffnen(const std::string& name);
    // Bytes read, 0 at the end, -1 on an error or an abort (`fehler` says which).
    long Lesen(char* ziel, std::size_t n);
    long long Groesse() const { return groesse_; }
    std::string fehler;

private:
    int fd_ = -1;
    long long groesse_ = 0;
};

class Sichere_Ausgabe {
public:
    explicit Sichere_Ausgabe(std::string name) : name_(std::move(name)) {}
    ~Sichere_Ausgabe() { Verwerfen(); }
    Sichere_Ausgabe(const Sichere_Ausgabe&) = delete;
    Sichere_Ausgabe& operator=(const Sichere_Ausgabe&) = delete;

    // The output may be a regular file or a name that does not exist yet;
    // anything else (device, pipe, folder, broken link) is refused. Empty on
    // success, else the message.
    std::string Pruefen() const;
    // True when the output is the same file as `eingabe`.
    bool Ist_Datei(const std::string& eingabe) const;
    // Creates the temporary file beside the output.
    std::string Oeffnen();
    std::string Schreiben(const char* daten, std::size_t n);
    // Writes to disk and puts the file in place of the output.
    std::string Abschliessen();
    // Removes the temporary file; the output stays as it was.
    void Verwerfen();

private:
    std::string name_;
    std::string ziel_;  // the file that is replaced: the output, or where its link points
    std::string temp_;
    int fd_ = -1;
};

}  // namespace nodra::stapel
