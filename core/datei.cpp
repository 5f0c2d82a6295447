// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace numora {

bool allesSchreiben(int fd, const char* daten, std::size_t laenge, std::size_t& geschrieben) {
    geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t n = ::write(fd, daten + geschrieben, laenge - geschrieben);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n == 0) {
            errno = ENOSPC;
        }
        if (n <= 0) {
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

int ordnerSichern(const std::filesystem::path& datei) {
    std::error_code f;
    const std::filesystem::path ordner = std::filesystem::absolute(datei, f).parent_path();
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    const int fehler = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return fehler;
}

std::optional<std::string> fatFremdesZeichen(std::string_view name) {
    const std::size_t i = name.find_first_of("\"*:<>?\\|");
    if (i == std::string_view::npos) {
        return std::nullopt;
    }
    return "Der Name enthält das Zeichen \"" + std::string(1, name[i]) +
           "\", das USB-Sticks (FAT, exFAT) und Windows nicht erlauben.";
}

} // namespace numora
