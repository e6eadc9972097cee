# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's site, as a school's web server serves it (packaging/web.cmake runs it at every build):
# the page, the teacher's page and the manifest as CMake filled them in, the program and Qt's loader,
# the lizard's icons, the licences with a page that lists them, the service worker that keeps the
# page's files for use offline, and gzip and brotli copies of what gains from them. With -DFLOOR=ON it
# makes the benchmark's floor instead: the same site around the bare Qt window in the program's place.
#   cmake -DSITE=dir -DPAGES=dir -DPROGRAM=dir/name -DSOURCE=dir -DVERSION=v -DQT_VERSION=v
#         -DLICENCES=name=path|... [-DFLOOR=ON] -P site.cmake
string(REPLACE "|" ";" LICENCES "${LICENCES}")
get_filename_component(program_name "${PROGRAM}" NAME)
get_filename_component(program_dir "${PROGRAM}" DIRECTORY)
file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}/icons" "${SITE}/licenze")

# The files of the page that the service worker keeps: what the page loads to start, and the teacher's
# page beside it.
set(kept index.html qtloader.js ${program_name}.js ${program_name}.wasm manifest.webmanifest insegnanti.html
         icons/abacolo-48.png icons/abacolo-192.png icons/abacolo-512.png)
file(READ "${PAGES}/index.html" page)
if(FLOOR)
    string(REPLACE "\"abacolo.js\"" "\"${program_name}.js\"" page "${page}")
    string(REPLACE "window.abacolo_entry" "window.${program_name}_entry" page "${page}")
endif()
file(WRITE "${SITE}/index.html" "${page}")
file(COPY "${PAGES}/manifest.webmanifest" "${PAGES}/insegnanti.html" "${program_dir}/qtloader.js"
          "${program_dir}/${program_name}.js" "${program_dir}/${program_name}.wasm" DESTINATION "${SITE}")

# The lizard at the page's size and at the two a home screen asks of the manifest.
foreach(size 48 192 512)
    execute_process(COMMAND rsvg-convert -w ${size} -h ${size} "${SOURCE}/resources/icons/abacolo.svg"
                            -o "${SITE}/icons/abacolo-${size}.png" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "rsvg-convert could not draw the ${size}-pixel icon")
    endif()
endforeach()

# The licences, and a page that lists them (a server need not list a folder).
set(ABACOLO_LICENCE_ITEMS "")
foreach(licence IN LISTS LICENCES)
    string(REGEX MATCH "^([^=]+)=(.*)$" found "${licence}")
    if(NOT EXISTS "${CMAKE_MATCH_2}")
        message(FATAL_ERROR "no licence text at ${CMAKE_MATCH_2}")
    endif()
    configure_file("${CMAKE_MATCH_2}" "${SITE}/licenze/${CMAKE_MATCH_1}" COPYONLY)
    string(APPEND ABACOLO_LICENCE_ITEMS "    <li><a href=\"${CMAKE_MATCH_1}\">${CMAKE_MATCH_1}</a></li>\n")
endforeach()
set(PROJECT_VERSION "${VERSION}")
configure_file("${SOURCE}/resources/web/licenze.html" "${SITE}/licenze/index.html" @ONLY)

# The service worker: its cache is named by the version and by a digest of the kept files, so that a
# page rebuilt under the same version still replaces what browsers keep.
set(digests "")
set(CACHE_FILES "'./'")
foreach(file IN LISTS kept)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${digest}")
    string(APPEND CACHE_FILES ", '${file}'")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING "${digest}" 0 12 digest)
if(FLOOR)
    set(CACHE_VERSION "floor-${VERSION}-${digest}")
else()
    set(CACHE_VERSION "${VERSION}-${digest}")
endif()
configure_file("${SOURCE}/resources/web/sw.js" "${SITE}/sw.js" @ONLY)

# Compressed copies of what is large enough to gain from them; the sizes of what a first visit loads.
foreach(file index.html sw.js ${program_name}.js ${program_name}.wasm qtloader.js manifest.webmanifest
             insegnanti.html)
    execute_process(COMMAND gzip -9 -n -k "${SITE}/${file}" RESULT_VARIABLE gzip_status)
    execute_process(COMMAND brotli -q 11 -k "${SITE}/${file}" RESULT_VARIABLE brotli_status)
    if(NOT gzip_status EQUAL 0 OR NOT brotli_status EQUAL 0)
        message(FATAL_ERROR "gzip or brotli could not compress ${file}")
    endif()
endforeach()
foreach(file ${program_name}.wasm ${program_name}.js qtloader.js index.html)
    file(SIZE "${SITE}/${file}" plain)
    file(SIZE "${SITE}/${file}.gz" gzipped)
    file(SIZE "${SITE}/${file}.br" brotlied)
    message(STATUS "${file}: ${plain} bytes, ${gzipped} with gzip, ${brotlied} with brotli")
endforeach()
