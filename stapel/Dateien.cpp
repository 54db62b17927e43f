#include "stapel/Dateien.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "stapel/Stapel.h"

// The few system calls the batch needs, on POSIX and on Windows.
#ifdef _WIN32
#include <io.h>
#include <windows.h>

namespace {
using Status = struct _stat64;
int Stat(const char* n, Status* s) { return _stat64(n, s); }
bool Ist_Regulaer(const Status& s) { return (s.st_mode & _S_IFMT) == _S_IFREG; }
bool Ist_Ordner(const Status& s) { return (s.st_mode & _S_IFMT) == _S_IFDIR; }
bool Ist_Verweis(const char*) { return false; }
bool Gibt_Eintrag(const char*) { return false; }  // no links to nowhere
int Oeffnen_Lesen(const char* n) { return _open(n, _O_RDONLY | _O_BINARY); }
long Lesen_fd(int fd, char* z, std::size_t n) { return _read(fd, z, static_cast<unsigned>(n > (1u << 30) ? (1u << 30) : n)); }
long Schreiben_fd(int fd, const char* d, std::size_t n) {
    return _write(fd, d, static_cast<unsigned>(n > (1u << 30) ? (1u << 30) : n));
}
int Schliessen(int fd) { return _close(fd); }
int Sichern(int fd) { return _commit(fd); }
int Temp_Anlegen(std::string& muster) {
    if (_mktemp_s(muster.data(), muster.size() + 1) != 0) return -1;
    return _open(muster.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
void Rechte_Setzen(int, const Status*) {}
std::string Echter_Pfad(const std::string& n) { return n; }
bool Gleiche_Datei(const std::string& a, const std::string& b) {
    char x[_MAX_PATH], y[_MAX_PATH];
    return _fullpath(x, a.c_str(), _MAX_PATH) && _fullpath(y, b.c_str(), _MAX_PATH) && _stricmp(x, y) == 0;
}
int Umbenennen(const std::string& von, const std::string& nach) {
    if (MoveFileExA(von.c_str(), nach.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    errno = GetLastError() == ERROR_DISK_FULL ? ENOSPC : EACCES;
    return -1;
}
int Loeschen(const char* n) { return _unlink(n); }
}  // namespace
#else
#include <unistd.h>

namespace {
using Status = struct stat;
int Stat(const char* n, Status* s) { return ::stat(n, s); }
bool Ist_Regulaer(const Status& s) { return S_ISREG(s.st_mode); }
bool Ist_Ordner(const Status& s) { return S_ISDIR(s.st_mode); }
bool Ist_Verweis(const char* n) {
    struct stat l {};
    return ::lstat(n, &l) == 0 && S_ISLNK(l.st_mode);
}
bool Gibt_Eintrag(const char* n) {
    struct stat l {};
    return ::lstat(n, &l) == 0;
}
int Oeffnen_Lesen(const char* n) { return ::open(n, O_RDONLY | O_CLOEXEC); }
long Lesen_fd(int fd, char* z, std::size_t n) { return static_cast<long>(::read(fd, z, n)); }
long Schreiben_fd(int fd, const char* d, std::size_t n) { return static_cast<long>(::write(fd, d, n)); }
int Schliessen(int fd) { return ::close(fd); }
int Sichern(int fd) { return ::fsync(fd); }
int Temp_Anlegen(std::string& muster) { return ::mkstemp(muster.data()); }
// The rights of the file replaced, or those of a new file.
void Rechte_Setzen(int fd, const Status* alt) {
    mode_t recht;
    if (alt) {
        recht = alt->st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        recht = 0666 & ~maske;
    }
    ::fchmod(fd, recht);
}
std::string Echter_Pfad(const std::string& n) {
    std::string p = n;
    if (char* echt = ::realpath(n.c_str(), nullptr)) {
        p = echt;
        std::free(echt);
    }
    return p;
}
bool Gleiche_Datei(const std::string& a, const std::string& b) {
    struct stat x {}, y {};
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}
int Umbenennen(const std::string& von, const std::string& nach) { return ::rename(von.c_str(), nach.c_str()); }
int Loeschen(const char* n) { return ::unlink(n); }
}  // namespace
#endif

namespace nodra::stapel {

namespace {

volatile std::sig_atomic_t abbruch = 0;
extern "C" void Abbrechen(int) { abbruch = 1; }

const char* const Abbruchtext = "Abgebrochen; es wurde keine Ausgabedatei geschrieben.";

std::string Ordner_von(const std::string& pfad) {
#ifdef _WIN32
    const auto p = pfad.find_last_of("/\\:");
#else
    const auto p = pfad.find_last_of('/');
#endif
    if (p == std::string::npos) return ".";
    return p == 0 ? "/" : pfad.substr(0, p);
}

}  // namespace

std::string Systemfehler(int n) {
    switch (n) {
        case ENOENT: return "Datei oder Ordner gibt es nicht";
        case EACCES:
        case EPERM: return "keine Berechtigung";
        case ENOSPC: return "kein Platz mehr auf dem Datenträger";
#ifdef EDQUOT
        case EDQUOT: return "Speicherkontingent erschöpft";
#endif
        case EROFS: return "der Datenträger ist schreibgeschützt";
        case EISDIR: return "das ist ein Ordner";
        case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
        case EIO: return "Ein-/Ausgabefehler des Datenträgers";
        case EFBIG: return "die Datei wird zu groß";
        case ENAMETOOLONG: return "der Name ist zu lang";
        case ELOOP: return "zu viele symbolische Verknüpfungen";
        case EMFILE:
        case ENFILE: return "zu viele offene Dateien";
        case EXDEV: return "die Ausgabe liegt auf einem anderen Datenträger als ihr Ordner";
        default: return std::string(std::strerror(n)) + " (Fehler " + std::to_string(n) + ")";
    }
}

void Abbruch_Anmelden() {
#ifdef _WIN32
    std::signal(SIGINT, Abbrechen);
    std::signal(SIGTERM, Abbrechen);
#else
    struct sigaction a {};
    a.sa_handler = Abbrechen;
    sigemptyset(&a.sa_mask);
    a.sa_flags = 0;  // no restart: a read that waits for input returns
    sigaction(SIGINT, &a, nullptr);
    sigaction(SIGTERM, &a, nullptr);
    sigaction(SIGHUP, &a, nullptr);
#endif
}

bool Abbruch_Angefordert() { return abbruch != 0; }

Eingabedatei::~Eingabedatei() {
    if (fd_ >= 0) Schliessen(fd_);
}

std::string Eingabedatei::Oeffnen(const std::string& name) {
    // Opening a FIFO waits for its writer.
    while ((fd_ = Oeffnen_Lesen(name.c_str())) < 0) {
        if (errno == EINTR && !abbruch) continue;
        return errno == EINTR ? Abbruchtext
                              : "Die Eingabedatei „" + name + "“ lässt sich nicht lesen: " + Systemfehler(errno);
    }
    Status st {};
    if (Stat(name.c_str(), &st) == 0) {
        if (Ist_Ordner(st)) return "Die Eingabedatei „" + name + "“ lässt sich nicht lesen: " + Systemfehler(EISDIR);
        if (Ist_Regulaer(st)) groesse_ = st.st_size;
    }
    return {};
}

long Eingabedatei::Lesen(char* ziel, std::size_t n) {
    for (;;) {
        if (abbruch) {
            fehler = Abbruchtext;
            return -1;
        }
        const long k = Lesen_fd(fd_, ziel, n);
        if (k >= 0) return k;
        if (errno == EINTR) continue;
        fehler = "Lesen der Eingabedatei misslungen: " + Systemfehler(errno);
        return -1;
    }
}

std::string Sichere_Ausgabe::Pruefen() const {
    Status st {};
    if (Stat(name_.c_str(), &st) == 0) {
        if (Ist_Regulaer(st)) return {};
    } else if (errno == ENOENT) {
        if (!Gibt_Eintrag(name_.c_str())) return {};  // does not exist yet
    } else {
        return "Die Ausgabedatei „" + name_ + "“ lässt sich nicht anlegen: " + Systemfehler(errno);
    }
    return "Die Ausgabedatei „" + name_ +
           "“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe, ein Ordner oder eine Verknüpfung ins Leere); sie "
           "wird nicht ersetzt.";
}

bool Sichere_Ausgabe::Ist_Datei(const std::string& eingabe) const { return Gleiche_Datei(name_, eingabe); }

std::string Sichere_Ausgabe::Oeffnen() {
    Status st {};
    const bool da = Stat(name_.c_str(), &st) == 0;
    // A link to a file: the file it points to is replaced, the link stays.
    ziel_ = da && Ist_Verweis(name_.c_str()) ? Echter_Pfad(name_) : name_;
    std::string muster = Ordner_von(ziel_) + "/.nodra-l-stapel-XXXXXX";
    fd_ = Temp_Anlegen(muster);
    if (fd_ < 0) return "Die Ausgabedatei „" + name_ + "“ lässt sich nicht anlegen: " + Systemfehler(errno);
    temp_ = muster;
    Rechte_Setzen(fd_, da ? &st : nullptr);
    return {};
}

std::string Sichere_Ausgabe::Schreiben(const char* daten, std::size_t n) {
    while (n > 0) {
        const long k = Schreiben_fd(fd_, daten, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            return "Schreiben der Ausgabedatei misslungen: " + Systemfehler(errno);
        }
        daten += k;
        n -= static_cast<std::size_t>(k);
    }
    return {};
}

std::string Sichere_Ausgabe::Abschliessen() {
    const auto fehler = [this](int n) {
        Verwerfen();
        return "Die Ausgabedatei ließ sich nicht abschließen: " + Systemfehler(n);
    };
    if (Sichern(fd_) != 0) return fehler(errno);
    const int fd = fd_;
    fd_ = -1;
    if (Schliessen(fd) != 0) return fehler(errno);
    if (Umbenennen(temp_, ziel_) != 0) return fehler(errno);
    temp_.clear();
    return {};
}

void Sichere_Ausgabe::Verwerfen() {
    if (fd_ >= 0) Schliessen(fd_);
    fd_ = -1;
    if (!temp_.empty()) Loeschen(temp_.c_str());
    temp_.clear();
}

}  // namespace nodra::stapel
