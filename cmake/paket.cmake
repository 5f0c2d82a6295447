# SPDX-License-Identifier: GPL-3.0-or-later
# Das Debian-Paket (make deb): CPack packt alles, was die install-Regeln der Ziele ablegen,
# darum muss hier kein Programm mit Namen stehen. make deb baut es aus einem Release-Bau mit
# CMAKE_INSTALL_PREFIX=/usr, damit die Bibliotheken im Multiarch-Ordner landen. Der eingebaute
# Weg zum Tonmodul ist relativ und stimmt darum auch bei anderem Präfix.
include(GNUInstallDirs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/numora)

# Handbuchseiten und Änderungsliste gepackt wie in jedem Debian-Paket: gzip -9n, ohne Namen und
# Zeitstempel im Kopf, damit dasselbe Paket gleich ausfällt und lintian sie annimmt.
find_program(NUMORA_GZIP gzip REQUIRED)
set(numora_gepackt)
foreach(programm numora numora-blatt numora-karten numora-verlauf)
    if(TARGET ${programm})
        set(seite ${CMAKE_BINARY_DIR}/man/${programm}.1)
        configure_file(${PROJECT_SOURCE_DIR}/docs/man/${programm}.1 ${seite} @ONLY)
        add_custom_command(OUTPUT ${seite}.gz COMMAND ${NUMORA_GZIP} -9nkf ${seite}
                           DEPENDS ${seite} VERBATIM)
        install(FILES ${seite}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        list(APPEND numora_gepackt ${seite}.gz)
    endif()
endforeach()
set(aenderungen ${CMAKE_BINARY_DIR}/doc/changelog)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/doc)
add_custom_command(OUTPUT ${aenderungen}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${aenderungen}
                   COMMAND ${NUMORA_GZIP} -9nf ${aenderungen}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog VERBATIM)
add_custom_target(numora_paketdoku ALL DEPENDS ${numora_gepackt} ${aenderungen}.gz)
install(FILES ${aenderungen}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/numora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numora)
set(CPACK_PACKAGE_VENDOR "Numora-Team")
set(CPACK_PACKAGE_CONTACT "Numora-Team <numora@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/numora/numora")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Die Bibliotheken findet dpkg-shlibdeps; dazu die Schrift, mit der das Urteils-Emoji farbig
# erscheint, und Qts deutsche Texte für Kontextmenüs und Standarddialoge.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Mathematik-Training gegen die Stoppuhr / maths drill against the stopwatch
Numora ist ein kleines Lernspiel für Schülerinnen und Schüler, ihre Lehrkräfte
und alle, die ihr mathematisches Handwerkszeug auffrischen wollen: neun Themen
(Grundrechenarten, lineare Gleichungen, Bruchrechnung, binomische Formeln,
Geraden und Punkte, quadratische Gleichungen, Restklassen, Wochentage,
Proportionen) in je drei Levels, acht frisch erzeugte Fragen je Runde, ein
Rechenweg zu jeder falschen Antwort, eine Hall of Fame und eine eingebaute
Anleitung. Das Programm spricht Deutsch.

Numora is a small maths drill for pupils, their teachers and everyone who wants
to brush up their basic techniques: nine topics in three levels each, eight
freshly generated questions per round, a worked explanation for wrong answers,
a Hall of Fame and a built-in manual. The program speaks German.")

include(CPack)
