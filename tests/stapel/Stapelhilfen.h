// Files and runs for the batch tests: a temporary folder, reading and
// writing whole files, a run of Datei_Auswerten with its log, and a run of
// the whole program with its exit status and standard error.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Tabellen.h"
#include "stapel/Csv.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

inline std::string Lesen(const std::string& pfad) {
    std::stringstream s;
    s << std::ifstream(pfad, std::ios::binary).rdbuf();
    return s.str();
}

inline void Schreiben(const std::string& pfad, const std::string& text) {
    std::ofstream(pfad, std::ios::binary) << text;
}

inline bool Gibt_Es(const std::string& pfad) { return ::access(pfad.c_str(), F_OK) == 0; }

// The example row of the template, by column name.
struct Beispiel {
    std::vector<std::string> z;
    Beispiel() {
        const std::string v = Vorlage();
        std::string zeile = v.substr(v.find("\r\n") + 2);
        zeile.resize(zeile.size() - 2);
        std::stringstream s(zeile);
        for (std::string f; std::getline(s, f, ';');) z.push_back(f);
        z.resize(Eingabespalten().size());
    }
    Beispiel& mit(const char* spalte, const std::string& wert) {
        const auto& n = Eingabespalten();
        z[static_cast<std::size_t>(std::find(n.begin(), n.end(), spalte) - n.begin())] = wert;
        return *this;
    }
    // As a user may write it: quotes only where CSV needs them.
    std::string roh() const {
        std::string t;
        for (std::size_t i = 0; i < z.size(); ++i) {
            if (i) t += ';';
            if (z[i].find_first_of("\";\r\n") == std::string::npos) {
                t += z[i];
                continue;
            }
            t += '"';
            for (char c : z[i]) t += c == '"' ? std::string("\"\"") : std::string(1, c);
            t += '"';
        }
        return t + "\r\n";
    }
    std::string csv() const {
        std::string t;
        Zeile_Schreiben(t, z);
        return t;
    }
};

class Stapeldatei : public ::testing::Test {
protected:
    Stapeldatei() {
        Tabellen_Fuellen();
        std::string muster = (std::filesystem::temp_directory_path() / "stapel-XXXXXX").string();
        ordner = ::mkdtemp(muster.data());
    }
    ~Stapeldatei() override { std::filesystem::remove_all(ordner); }

    std::string ordner;
    std::string protokoll;
    std::string Pfad(const std::string& n) const { return ordner + "/" + n; }

    // The names in the folder, sorted.
    std::vector<std::string> Inhalt(const std::string& o) const {
        std::vector<std::string> n;
        for (const auto& e : std::filesystem::directory_iterator(o)) n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }

    Laufbericht Lauf(const std::string& ein, const std::string& aus) {
        std::FILE* p = std::tmpfile();
        const Laufbericht b = Datei_Auswerten(ein, aus, p, false);
        std::rewind(p);
        protokoll.clear();
        for (int c; (c = std::fgetc(p)) != EOF;) protokoll += static_cast<char>(c);
        std::fclose(p);
        return b;
    }

    // The whole program; its standard error lands in `protokoll`.
    int Aufruf(std::vector<std::string> argumente) {
        argumente.insert(argumente.begin(), "nodra-l-stapel");
        std::vector<char*> argv;
        for (auto& a : argumente) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::fflush(stderr);
        const int alt = ::dup(2);
        std::FILE* p = std::tmpfile();
        ::dup2(::fileno(p), 2);
        const int status = Programm(static_cast<int>(argumente.size()), argv.data());
        std::fflush(stderr);
        ::dup2(alt, 2);
        ::close(alt);
        std::rewind(p);
        protokoll.clear();
        for (int c; (c = std::fgetc(p)) != EOF;) protokoll += static_cast<char>(c);
        std::fclose(p);
        return status;
    }

    static std::string Kopf() {
        std::string t;
        Zeile_Schreiben(t, Eingabespalten());
        return t;
    }
};

}  // namespace nodra::stapel
