#include "core/zahltext.h"

#include <charconv>

namespace numora {

bool leseGanzzahl(std::string_view text, std::int64_t& wert) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return false;
        }
    }
    if (text.empty()) {
        return false;
    }
    std::int64_t w = 0;
    const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), w);
    if (fehler != std::errc() || rest != text.data() + text.size()) {
        return false;
    }
    wert = w;
    return true;
}

} // namespace numora
