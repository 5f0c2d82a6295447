# SPDX-License-Identifier: GPL-3.0-or-later
# Welche Ordner erst die Installation anlegt: make uninstall entfernt genau diese wieder, wenn sie
# leer sind. Was vorher schon da war, etwa Debians leeres /usr/local/share/man, bleibt.
# Vor der ersten Datei prüft die Installation, welche Zielordner samt den Ordnern darüber bis zum
# Präfix fehlen; nach der letzten schreibt sie sie nach install_ordner.txt neben
# install_manifest.txt, samt denen früherer Installationen aus diesem Bauordner (sonst fände eine
# zweite Installation darüber sie schon vor). Ein neuer Zielordner gehört in diese Liste, sonst
# bleibt er nach make uninstall liegen; tools/installation_test.sh merkt das.
set(numora_zielordner ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR}/numora
    ${CMAKE_INSTALL_DATADIR}/applications ${CMAKE_INSTALL_DATADIR}/metainfo
    ${CMAKE_INSTALL_DATADIR}/doc/numora ${CMAKE_INSTALL_MANDIR}/man1)
foreach(groesse 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 scalable)
    list(APPEND numora_zielordner ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}/apps)
endforeach()

install(CODE "set(numora_zielordner [[${numora_zielordner}]])
    set(numora_ordnerliste [[${CMAKE_BINARY_DIR}/install_ordner.txt]])")
install(CODE [[
    set(numora_neue_ordner)
    foreach(ordner IN LISTS numora_zielordner)
        if(NOT IS_ABSOLUTE "${ordner}")
            set(ordner "${CMAKE_INSTALL_PREFIX}/${ordner}")
        endif()
        cmake_path(SET ordner NORMALIZE "${ordner}")
        while(NOT IS_DIRECTORY "$ENV{DESTDIR}${ordner}")
            list(APPEND numora_neue_ordner "${ordner}")
            cmake_path(GET ordner PARENT_PATH oben)
            if(oben STREQUAL ordner OR oben STREQUAL "")
                break()
            endif()
            set(ordner "${oben}")
        endwhile()
    endforeach()
]])

# Vom Ende der obersten CMakeLists.txt aus, damit es nach der letzten Datei läuft. Eine
# Installation mit DESTDIR legt nur Ordner in einem Abbild an und lässt die Liste, wie sie ist.
function(numora_installordner_notieren)
    install(CODE [[
        if("$ENV{DESTDIR}" STREQUAL "")
            cmake_path(SET praefix NORMALIZE "${CMAKE_INSTALL_PREFIX}")
            if(EXISTS "${numora_ordnerliste}")
                # Zeilenweise, wie sie sind (file(STRINGS) ließe Umlaute fallen).
                file(READ "${numora_ordnerliste}" frueher)
                string(REPLACE "\n" ";" frueher "${frueher}")
                # Von früher nur, was zu diesem Präfix gehört: darunter oder darüber.
                foreach(ordner IN LISTS frueher)
                    cmake_path(IS_PREFIX ordner "${praefix}" NORMALIZE darueber)
                    cmake_path(IS_PREFIX praefix "${ordner}" NORMALIZE darunter)
                    if(NOT ordner STREQUAL "" AND (darueber OR darunter))
                        list(APPEND numora_neue_ordner "${ordner}")
                    endif()
                endforeach()
            endif()
            # Nur, was die Installation wirklich angelegt hat (ohne App etwa kein Starter-Ordner).
            set(numora_angelegt)
            foreach(ordner IN LISTS numora_neue_ordner)
                if(IS_DIRECTORY "${ordner}")
                    list(APPEND numora_angelegt "${ordner}")
                endif()
            endforeach()
            set(numora_neue_ordner ${numora_angelegt})
            list(REMOVE_DUPLICATES numora_neue_ordner)
            # Absteigend sortiert steht jeder Ordner vor dem, in dem er liegt.
            list(SORT numora_neue_ordner ORDER DESCENDING)
            list(JOIN numora_neue_ordner "\n" text)
            if(NOT text STREQUAL "")
                string(APPEND text "\n")
            endif()
            file(WRITE "${numora_ordnerliste}" "${text}")
        endif()
    ]])
endfunction()
