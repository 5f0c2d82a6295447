// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uhr.h"

#include <ctime>

namespace numora {

Uhr::Zeitpunkt SystemUhr::monoton() const {
    return std::chrono::steady_clock::now();
}

Kalenderzeit SystemUhr::lokal() const {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min};
}

namespace {

const Uhr*& aktuelleUhr() {
    static const Uhr* u = nullptr;
    return u;
}

std::string mitNullen(std::int64_t wert, std::size_t stellen) {
    std::string s = std::to_string(wert);
    if (wert >= 0 && s.size() < stellen) {
        s.insert(0, stellen - s.size(), '0');
    }
    return s;
}

} // namespace

UhrErsetzen::UhrErsetzen(const Uhr& u) : vorige_(aktuelleUhr()) {
    aktuelleUhr() = &u;
}

UhrErsetzen::~UhrErsetzen() {
    aktuelleUhr() = vorige_;
}

const Uhr& uhr() {
    static const SystemUhr system;
    if (const Uhr* u = aktuelleUhr()) {
        return *u;
    }
    return system;
}

std::string datumText(const Kalenderzeit& z) {
    return std::to_string(z.tag) + "." + std::to_string(z.monat) + "." + mitNullen(z.jahr, 4);
}

std::string datumZeitText(const Kalenderzeit& z) {
    return datumText(z) + "  " + std::to_string(z.stunde) + ":" + mitNullen(z.minute, 2);
}

} // namespace numora
