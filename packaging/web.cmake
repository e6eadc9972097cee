# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's downloads, included by packaging/CMakeLists.txt in the WebAssembly build:
#   dist/                    the site (cmake/site.cmake), built with the program
#   floor/                   the same site around the bare Qt window, the benchmark's floor
#   abacolo-VERSION.html     the whole program in one file that opens from a stick (file://)
#   abacolo-VERSION-web.zip  by CPack: the single file and the teacher's page that links it, the site
#                            in sito/, the licences and LEGGIMI.txt
# The licence texts are those of the Debian 13 packages the program is built with.
set(single_file_limit 30000000) # bytes; the single file opens from a stick in any browser below it
set(site ${PROJECT_BINARY_DIR}/dist)
set(pages ${PROJECT_BINARY_DIR}/resources/web)
# Qt's version and the Debian source package it came from, from the stamp of the Qt built by scripts/qt.
file(STRINGS ${QT6_INSTALL_PREFIX}/abacolo-qt-complete stamp LIMIT_COUNT 1)
string(REGEX MATCH "^qtbase ([^ ]+)" found "${stamp}")
set(QT_PACKAGE "qt6-base ${CMAKE_MATCH_1}")
set(QT_VERSION ${Qt6_VERSION})
set(licences
    GPL-3.0.txt=${PROJECT_SOURCE_DIR}/LICENSE
    Comic-Neue-OFL.txt=/usr/share/doc/fonts-comic-neue/copyright
    Liberation-Sans-OFL.txt=/usr/share/doc/fonts-liberation/copyright
    DejaVu-Sans.txt=${ABACOLO_TOOLKIT_FACE_LICENCE}
    Qt-${Qt6_VERSION}.txt=/usr/share/doc/libqt6core6t64/copyright
    Emscripten.txt=/usr/share/doc/emscripten/copyright
    musl.txt=/usr/share/emscripten/system/lib/libc/musl/COPYRIGHT
    Apache-2.0.txt=/usr/share/common-licenses/Apache-2.0)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(BROTLI brotli REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(site_script ${PROJECT_SOURCE_DIR}/cmake/site.cmake)
set(site_inputs ${site_script} ${pages}/index.html ${pages}/manifest.webmanifest ${pages}/insegnanti.html
                ${PROJECT_SOURCE_DIR}/resources/web/sw.js ${PROJECT_SOURCE_DIR}/resources/web/licenze.html)
set(site_options -DPAGES=${pages} -DSOURCE=${PROJECT_SOURCE_DIR} -DVERSION=${PROJECT_VERSION}
                 -DQT_VERSION=${QT_VERSION})
# A list would become several arguments of the command: the licences go as one, split at "|".
list(JOIN licences "|" licences)
list(APPEND site_options "-DLICENCES=${licences}")
add_custom_command(OUTPUT ${site}/index.html ${site}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DPROGRAM=$<TARGET_FILE_DIR:abacolo>/abacolo ${site_options}
            -P ${site_script}
    DEPENDS abacolo ${site_inputs}
    COMMENT "The site, ${site}"
    VERBATIM)
set(single ${PROJECT_BINARY_DIR}/abacolo-${PROJECT_VERSION}.html)
add_custom_command(OUTPUT ${single}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/resources/web/single-file.py ${site} ${single}
            ${single_file_limit}
    DEPENDS ${site}/index.html ${PROJECT_SOURCE_DIR}/resources/web/single-file.py
    COMMENT "The single file, ${single}"
    VERBATIM)
set(floor ${PROJECT_BINARY_DIR}/floor)
add_custom_command(OUTPUT ${floor}/index.html
    COMMAND ${CMAKE_COMMAND} -DSITE=${floor} -DPROGRAM=$<TARGET_FILE_DIR:abacolo_barewindow>/abacolo_barewindow
            -DFLOOR=ON ${site_options} -P ${site_script}
    DEPENDS abacolo_barewindow ${site_inputs}
    COMMENT "The benchmark's floor, ${floor}"
    VERBATIM)

# LEGGIMI.txt as Windows' Notepad reads it best, for the zip and the source archive.
configure_file(${PROJECT_SOURCE_DIR}/resources/web/LEGGIMI.txt ${CMAKE_CURRENT_BINARY_DIR}/LEGGIMI-unix.txt @ONLY)
set(leggimi ${CMAKE_CURRENT_BINARY_DIR}/LEGGIMI.txt)
add_custom_command(OUTPUT ${leggimi}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_BINARY_DIR}/LEGGIMI-unix.txt -DOUTPUT=${leggimi}
            -P ${PROJECT_SOURCE_DIR}/cmake/windows-text.cmake
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/LEGGIMI-unix.txt VERBATIM)
add_custom_target(abacolo_site ALL DEPENDS ${site}/index.html ${single} ${floor}/index.html ${leggimi})

install(FILES ${leggimi} ${single} DESTINATION .)
install(FILES ${pages}/insegnanti-file.html DESTINATION . RENAME insegnanti.html)
install(DIRECTORY ${site}/ DESTINATION sito)
install(DIRECTORY ${site}/licenze/ DESTINATION licenze)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${ABACOLO_PRODUCT_NAME})
set(CPACK_PACKAGE_FILE_NAME abacolo-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES OFF)
abacolo_source_archive(abacolo-${PROJECT_VERSION}-web-sorgenti.tar.xz ${QT6_INSTALL_PREFIX} ${leggimi})
