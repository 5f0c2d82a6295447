// SPDX-License-Identifier: GPL-3.0-or-later
// Jedes Modul lädt für sich allein: Was es braucht, bringt es mit oder holt es aus seinen
// Bibliotheken, nicht aus dem Programm, das es lädt; das gibt keine Funktionen frei.

#include <cstdio>
#include <dlfcn.h>

int main(int argc, char** argv) {
    int fehler = 0;
    for (int i = 1; i < argc; ++i) {
        if (dlopen(argv[i], RTLD_NOW | RTLD_LOCAL) == nullptr) {
            std::fprintf(stderr, "%s\n", dlerror());
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
