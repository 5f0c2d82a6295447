// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Werkzeuge von außen: ein Befehl in der Shell, Ausgabe und Fehlerausgabe getrennt.

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Lauf {
    int code = -1;
    std::string aus, fehler;
};

inline Lauf starte(const std::string& befehl) {
    char datei[] = "/tmp/numora-lauf-XXXXXX";
    close(mkstemp(datei));
    FILE* rohr = popen((befehl + " 2>" + datei).c_str(), "r");
    Lauf lauf;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) {
        lauf.aus.append(puffer, n);
    }
    const int status = pclose(rohr);
    lauf.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    lauf.fehler.assign(std::istreambuf_iterator<char>(std::ifstream(datei).rdbuf()), {});
    std::remove(datei);
    return lauf;
}

inline std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        z.push_back(zeile);
    }
    return z;
}

struct Aufruf {
    const char* argumente;
    const char* erwartet; // Teil der Fehlerzeile, bei Code 0 Teil der Ausgabe
    int code = 2;
};

// Ein Fehler ist genau eine Zeile "programm: …" auf der Fehlerausgabe und sonst nichts;
// ohne Fehler bleibt die Fehlerausgabe leer.
inline void pruefeAufrufe(const std::string& befehl, const std::string& programm,
                          std::initializer_list<Aufruf> aufrufe) {
    for (const Aufruf& a : aufrufe) {
        const Lauf l = starte(befehl + " " + a.argumente);
        const bool fehler = a.code != 0;
        EXPECT_EQ(l.code, a.code) << a.argumente;
        EXPECT_NE((fehler ? l.fehler : l.aus).find(a.erwartet), std::string::npos)
            << a.argumente << ": " << l.aus << l.fehler;
        EXPECT_TRUE(fehler ? l.aus.empty() && l.fehler.starts_with(programm + ": ") &&
                                 l.fehler.find('\n') == l.fehler.size() - 1
                           : l.fehler.empty())
            << a.argumente << ": " << l.fehler;
    }
}
