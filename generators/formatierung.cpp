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

namespace {

std::string mitVariable(std::int64_t z, std::string_view v) {
    if (z == 1) {
        return std::string(v);
    }
    if (z == -1) {
        return "-" + std::string(v);
    }
    if (z == 0) {
        return {};
    }
    return std::to_string(z) + std::string(v);
}

} // namespace

std::string zx(std::int64_t z) {
    return mitVariable(z, "x");
}

std::string zy(std::int64_t z) {
    return mitVariable(z, "y");
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
