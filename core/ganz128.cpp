// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ganz128.h"

namespace numora {

namespace {

u128 betrag(i128 x) {
    return x < 0 ? u128(0) - u128(x) : u128(x);
}

} // namespace

u128 ggT128(i128 a, i128 b) {
    u128 x = betrag(a);
    u128 y = betrag(b);
    while (y != 0) {
        const u128 r = x % y;
        x = y;
        y = r;
    }
    return x;
}

std::string text128(i128 x) {
    u128 b = betrag(x);
    std::string r;
    do {
        r.insert(r.begin(), static_cast<char>('0' + static_cast<int>(b % 10)));
        b /= 10;
    } while (b != 0);
    if (x < 0) {
        r.insert(r.begin(), '-');
    }
    return r;
}

} // namespace numora
