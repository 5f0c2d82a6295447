// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// Eine verletzte Eigenschaft ist für libFuzzer ein Absturz: so landet die Eingabe als Fund
// im Artefaktordner, genau wie ein Sanitizer-Bericht.
#define FUZZ_PRUEFE(bedingung)                                                                     \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "Eigenschaft verletzt: %s (%s:%d)\n", #bedingung, __FILE__,       \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
