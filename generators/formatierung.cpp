// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/formatierung.h"

namespace numora {

std::string betragText(std::int64_t z) {
    const std::uint64_t b =
        z < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(z) : static_cast<std::uint64_t>(z);
    return std::to_string(b);
}

std::string plusZ(std::int64_t z) {
    if (z > 0) {
        return "+ " + std::to_string(z);
    }
    if (z == 0) {
        return {};
    }
    return "- " + betragText(z);
}

std::string koeff(std::int64_t k, std::string_view v) {
    if (k == 0) {
        return {};
    }
    if (k == 1) {
        return std::string(v);
    }
    if (k == -1) {
        return "-" + std::string(v);
    }
    return std::to_string(k) + std::string(v);
}

std::string zx(std::int64_t z) {
    return koeff(z, "x");
}

std::string zy(std::int64_t z) {
    return koeff(z, "y");
}

std::string axPlusB(std::int64_t a, std::int64_t b) {
    return zx(a) + " " + plusZ(b);
}

std::string zNacktVorKlammer(std::int64_t z) {
    if (z == 1) {
        return {};
    }
    if (z == -1) {
        return "-";
    }
    return std::to_string(z);
}

std::string koeff2String(std::int64_t z) {
    if (z == 1) {
        return "+ ";
    }
    if (z == -1) {
        return "- ";
    }
    if (z < 0) {
        return "- " + betragText(z);
    }
    return "+ " + std::to_string(z);
}

} // namespace numora
