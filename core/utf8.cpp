// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8.h"

#include <algorithm>

namespace numora {

namespace detail {

std::size_t folgenLaenge(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t wert = 0;
    char32_t mindestens = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        wert = b0 & 0x1F;
        mindestens = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        wert = b0 & 0x0F;
        mindestens = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        wert = b0 & 0x07;
        mindestens = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        wert = (wert << 6) | (b & 0x3F);
    }
    if (wert < mindestens || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) {
        return 0;
    }
    c = wert;
    return n;
}

} // namespace detail

bool istGueltigesUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t c = 0;
        const std::size_t n = detail::folgenLaenge(s, i, c);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

void haengeUtf8An(std::string& r, char32_t c) {
    if (c < 0x80) {
        r.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        r.push_back(static_cast<char>(0xC0 | (c >> 6)));
        r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        r.push_back(static_cast<char>(0xE0 | (c >> 12)));
        r.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        r.push_back(static_cast<char>(0xF0 | (c >> 18)));
        r.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        r.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string alsDateiname(std::string_view text, std::string_view weitere) {
    std::string name(text);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
            weitere.find(c) != std::string_view::npos || (i == 0 && c == '.')) {
            name[i] = '_';
        }
    }
    return name;
}

std::string alsUtf8Lesen(std::string_view s) {
    std::string r;
    r.reserve(s.size() + s.size() / 4);
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t c = 0;
        const std::size_t n = detail::folgenLaenge(s, i, c);
        if (n == 0) {
            haengeUtf8An(r, static_cast<unsigned char>(s[i]));
            ++i;
        } else {
            r.append(s.substr(i, n));
            i += n;
        }
    }
    return r;
}

std::string mitErsatz(std::string_view text, std::span<const Ersatz> ersatz) {
    std::string r;
    r.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        const auto treffer = std::find_if(ersatz.begin(), ersatz.end(), [rest](const Ersatz& e) {
            return rest.starts_with(e.first);
        });
        if (treffer != ersatz.end()) {
            r += treffer->second;
            i += treffer->first.size();
        } else {
            r += text[i++];
        }
    }
    return r;
}

} // namespace numora
