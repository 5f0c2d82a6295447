# SPDX-License-Identifier: GPL-3.0-or-later
# Läuft beim Installieren (app/desktop/CMakeLists.txt): legt den Starter mit dem vollen Pfad des
# Programms in Exec ab. Menüs zeigen einen Starter nur, wenn sie sein Programm finden, und bin/
# unter einem Präfix wie /opt/numora liegt nicht im PATH. Erst hier steht das Präfix fest, auch
# bei cmake --install --prefix.
set(programm "${numora_bindir}/numora")
if(NOT IS_ABSOLUTE "${programm}")
    set(programm "${CMAKE_INSTALL_PREFIX}/${programm}")
endif()
cmake_path(SET programm NORMALIZE "${programm}")

# Im PATH jeder Sitzung genügt der Name, wie im Debian-Paket üblich.
if(programm STREQUAL "/usr/bin/numora" OR programm STREQUAL "/usr/local/bin/numora")
    set(programm numora)
endif()

# Die freedesktop-Regeln für Exec: % verdoppelt; mit Leer- oder
# Sonderzeichen in Anführungszeichen, darin vor " ` $ \ ein Backslash, und als Wert der Zeile
# wird jeder Backslash noch einmal verdoppelt.
string(REPLACE "%" "%%" exec "${programm}")
if(exec MATCHES "[ \t\"'\\\\<>~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    set(exec "\"${exec}\"")
endif()

file(READ "${numora_starter_vorlage}" starter)
string(FIND "${starter}" "\nExec=numora\n" stelle)
if(stelle EQUAL -1)
    message(FATAL_ERROR "${numora_starter_vorlage} hat keine Zeile Exec=numora")
endif()
string(REPLACE "\nExec=numora\n" "\nExec=${exec}\n" starter "${starter}")
# Nur bei neuem Inhalt schreiben, damit die Datei ihr Datum behält und das Paket gleich ausfällt.
set(alt "")
if(EXISTS "${numora_starter_bau}")
    file(READ "${numora_starter_bau}" alt)
endif()
if(NOT alt STREQUAL starter)
    file(WRITE "${numora_starter_bau}" "${starter}")
endif()

set(ziel "${numora_datadir}/applications")
if(NOT IS_ABSOLUTE "${ziel}")
    set(ziel "${CMAKE_INSTALL_PREFIX}/${ziel}")
endif()
file(INSTALL DESTINATION "${ziel}" TYPE FILE FILES "${numora_starter_bau}")
