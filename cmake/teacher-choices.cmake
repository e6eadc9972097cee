# SPDX-License-Identifier: GPL-3.0-or-later
# The teacher's choices besides the designed start (within 9,999, with carrying), in the order they are
# offered: a launcher action on the desktop, a Start-menu shortcut on Windows, a link on the teacher's
# page and a home-screen shortcut in the browser. Each is its id, the program's options, the page's
# query and its name.
set(choices
    "entro-99-senza-cambio|--entro 99 --senza-cambio|entro=99&cambio=no|Entro il 99, senza cambio"
    "entro-99|--entro 99|entro=99|Entro il 99"
    "entro-999-senza-cambio|--entro 999 --senza-cambio|entro=999&cambio=no|Entro il 999, senza cambio"
    "entro-999|--entro 999|entro=999|Entro il 999"
    "entro-9999-senza-cambio|--senza-cambio|cambio=no|Entro il 9.999, senza cambio")
set(ABACOLO_DESKTOP_ACTION_IDS)
set(ABACOLO_DESKTOP_ACTIONS)
set(ABACOLO_NSIS_SHORTCUTS)
set(ABACOLO_NSIS_SHORTCUTS_REMOVED)
set(ABACOLO_WEB_LINKS "      <li><a href=\"@page@?entro=9999\">Entro il 9.999, con il cambio (come sempre)</a></li>\n")
set(ABACOLO_WEB_SHORTCUTS)
foreach(choice IN LISTS choices)
    string(REPLACE "|" ";" fields "${choice}")
    list(GET fields 0 id)
    list(GET fields 1 options)
    list(GET fields 2 query)
    list(GET fields 3 name)
    string(REPLACE "&" "&amp;" html_query "${query}")
    string(APPEND ABACOLO_DESKTOP_ACTION_IDS "${id};")
    string(APPEND ABACOLO_DESKTOP_ACTIONS "\n[Desktop Action ${id}]\nName=${name}\nExec=abacolo ${options}\n")
    string(APPEND ABACOLO_NSIS_SHORTCUTS
           "    CreateShortcut \"$SMPROGRAMS\\\${NAME}\\\${NAME} - ${name}.lnk\" "
           "\"$INSTDIR\\abacolo.exe\" \"${options}\"\n")
    string(APPEND ABACOLO_NSIS_SHORTCUTS_REMOVED
           "    Delete \"$SMPROGRAMS\\\${NAME}\\\${NAME} - ${name}.lnk\"\n")
    string(APPEND ABACOLO_WEB_LINKS "      <li><a href=\"@page@?${html_query}\">${name}</a></li>\n")
    if(ABACOLO_WEB_SHORTCUTS)
        string(APPEND ABACOLO_WEB_SHORTCUTS ",\n")
    endif()
    string(APPEND ABACOLO_WEB_SHORTCUTS
           "    {\"name\": \"${name}\", \"url\": \"./?${query}\", "
           "\"icons\": [{\"src\": \"icons/abacolo-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"}]}")
endforeach()
