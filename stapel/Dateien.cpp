#include "stapel/Dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

volatile std::sig_atomic_t abbruch = 0;
extern "C" void Abbrechen(int) { abbruch = 1; }

const char* const Abbruchtext = "Abgebrochen; es wurde keine Ausgabedatei geschrieben.";

std::string Ordner_von(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
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
    struct sigaction a {};
    a.sa_handler = Abbrechen;
    sigemptyset(&a.sa_mask);
    a.sa_flags = 0;  // no restart: a read that waits for input returns
    sigaction(SIGINT, &a, nullptr);
    sigaction(SIGTERM, &a, nullptr);
    sigaction(SIGHUP, &a, nullptr);
}

bool Abbruch_Angefordert() { return abbruch != 0; }

Eingabedatei::~Eingabedatei() {
    if (fd_ >= 0) ::close(fd_);
}

std::string Eingabedatei::Oeffnen(const std::string& name) {
    // Opening a FIFO waits for its writer.
    while ((fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC)) < 0) {
        if (errno == EINTR && !abbruch) continue;
        return errno == EINTR ? Abbruchtext
                              : "Die Eingabedatei „" + name + "“ lässt sich nicht lesen: " + Systemfehler(errno);
    }
    struct stat st {};
    if (::fstat(fd_, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return "Die Eingabedatei „" + name + "“ lässt sich nicht lesen: " + Systemfehler(EISDIR);
        if (S_ISREG(st.st_mode)) groesse_ = st.st_size;
    }
    return {};
}

long Eingabedatei::Lesen(char* ziel, std::size_t n) {
    for (;;) {
        if (abbruch) {
            fehler = Abbruchtext;
            return -1;
        }
        const ssize_t k = ::read(fd_, ziel, n);
        if (k >= 0) return static_cast<long>(k);
        if (errno == EINTR) continue;
        fehler = "Lesen der Eingabedatei misslungen: " + Systemfehler(errno);
        return -1;
    }
}

std::string Sichere_Ausgabe::Pruefen() const {
    struct stat st {};
    if (::stat(name_.c_str(), &st) == 0) {
        if (S_ISREG(st.st_mode)) return {};
    } else if (errno == ENOENT) {
        struct stat l {};
        if (::lstat(name_.c_str(), &l) != 0) return {};  // does not exist yet
    } else {
        return "Die Ausgabedatei „" + name_ + "“ lässt sich nicht anlegen: " + Systemfehler(errno);
    }
    return "Die Ausgabedatei „" + name_ +
           "“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe, ein Ordner oder eine Verknüpfung ins Leere); sie "
           "wird nicht ersetzt.";
}

bool Sichere_Ausgabe::Ist_Datei(const std::string& eingabe) const {
    struct stat a {}, b {};
    return ::stat(name_.c_str(), &a) == 0 && ::stat(eingabe.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::string Sichere_Ausgabe::Oeffnen() {
    ziel_ = name_;
    struct stat st {};
    const bool da = ::stat(name_.c_str(), &st) == 0;
    struct stat l {};
    if (da && ::lstat(name_.c_str(), &l) == 0 && S_ISLNK(l.st_mode)) {
        // A link to a file: the file it points to is replaced, the link stays.
        if (char* echt = ::realpath(name_.c_str(), nullptr)) {
            ziel_ = echt;
            std::free(echt);
        }
    }
    std::string muster = Ordner_von(ziel_) + "/.nodra-l-stapel-XXXXXX";
    fd_ = ::mkstemp(muster.data());
    if (fd_ < 0) return "Die Ausgabedatei „" + name_ + "“ lässt sich nicht anlegen: " + Systemfehler(errno);
    temp_ = muster;
    mode_t recht;
    if (da) {
        recht = st.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        recht = 0666 & ~maske;
    }
    ::fchmod(fd_, recht);
    return {};
}

std::string Sichere_Ausgabe::Schreiben(const char* daten, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(fd_, daten, n);
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
    if (::fsync(fd_) != 0) return fehler(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fehler(errno);
    if (::rename(temp_.c_str(), ziel_.c_str()) != 0) return fehler(errno);
    temp_.clear();
    return {};
}

void Sichere_Ausgabe::Verwerfen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

}  // namespace nodra::stapel
