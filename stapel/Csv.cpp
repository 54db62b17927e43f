#include "stapel/Csv.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

void Feld_Schreiben(std::string& aus, std::string_view f) {
    static constexpr auto besonders = [] {
        std::array<bool, 256> t{};
        for (unsigned char c : {';', '"', '\r', '\n'}) t[c] = true;
        return t;
    }();
    bool quoten = !f.empty() && (f.front() == ' ' || f.back() == ' ' || f.front() == '\t' || f.back() == '\t');
    for (std::size_t i = 0; i < f.size() && !quoten; ++i) quoten = besonders[static_cast<unsigned char>(f[i])];
    if (!quoten) {
        aus.append(f);
        return;
    }
    aus += '"';
    for (std::size_t p; (p = f.find('"')) != std::string_view::npos; f.remove_prefix(p + 1)) {
        aus.append(f.substr(0, p + 1));
        aus += '"';
    }
    aus.append(f);
    aus += '"';
}

void Zeile_Schreiben(std::string& aus, const std::vector<std::string>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i) aus += ';';
        Feld_Schreiben(aus, felder[i]);
    }
    aus += "\r\n";
}

std::string Vorlage() {
    std::string t = "\xEF\xBB\xBF";
    Zeile_Schreiben(t, Eingabespalten());
    std::vector<std::string> beispiel;
    for (const auto& s : Eingabetabelle) beispiel.emplace_back(s.beispiel);
    Zeile_Schreiben(t, beispiel);
    return t;
}

bool Ist_Utf8(std::string_view s) {
    if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return true;
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = d.decode(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return !d.hasError();
}

std::string Als_Utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toStdString();
}

Leser::Leser() {
    csv_init(&p_, 0);
    csv_set_delim(&p_, ';');
}
Leser::~Leser() { csv_free(&p_); }

bool Leser::Lesen(const char* daten, std::size_t n, const std::function<void()>& datensatz) {
    Ziel ziel{this, &datensatz};
    std::size_t pos = 0;
    while (pos < n) {
        const void* nl = std::memchr(daten + pos, '\n', n - pos);
        const std::size_t ende = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - daten) + 1 : n;
        if (!beiZeile_) {
            const std::string_view teil(daten + pos, ende - pos);
            if (teil.find_first_not_of(" \t\r\n") != std::string_view::npos) beiZeile_ = zeile_;
        }
        if (csv_parse(&p_, daten + pos, ende - pos, Feld, Satzende, &ziel) != ende - pos) return false;
        if (nl) ++zeile_;
        pos = ende;
    }
    return true;
}

void Leser::Ende(const std::function<void()>& datensatz) {
    Ziel ziel{this, &datensatz};
    csv_fini(&p_, Feld, Satzende, &ziel);
}

void Leser::Feld(void* s, std::size_t n, void* d) {
    auto* z = static_cast<Ziel*>(d);
    auto& fs = z->l->felder;
    if (z->l->anzahl_ < fs.size()) fs[z->l->anzahl_].assign(static_cast<const char*>(s), n);
    else fs.emplace_back(static_cast<const char*>(s), n);
    ++z->l->anzahl_;
}

void Leser::Satzende(int, void* d) {
    auto* z = static_cast<Ziel*>(d);
    Leser& l = *z->l;
    l.felder.resize(l.anzahl_);
    l.satzZeile = l.beiZeile_ ? l.beiZeile_ : l.zeile_;
    (*z->f)();
    l.anzahl_ = 0;
    l.beiZeile_ = 0;
}

}  // namespace nodra::stapel
