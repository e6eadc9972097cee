# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless the Debian changelog's newest entry and the manual page's header name VERSION.
#   cmake -DVERSION=... -DCHANGELOG=packaging/changelog -DMANUAL=packaging/abacolo.1 -P versions.cmake
set(faults)
function(expect file pattern what)
    file(STRINGS ${file} lines REGEX "${pattern}" LIMIT_COUNT 1)
    if(NOT lines)
        set(found "nothing")
    else()
        string(REGEX MATCH "${pattern}" found "${lines}")
        set(found "${CMAKE_MATCH_1}")
    endif()
    if(NOT found STREQUAL VERSION)
        set(faults "${faults}\n  ${file}: ${what} names ${found}, the project ${VERSION}" PARENT_SCOPE)
    endif()
endfunction()

# The newest entry is the first line: "abacolo (VERSION) unstable; urgency=medium".
expect(${CHANGELOG} "^abacolo \\(([^)]*)\\)" "the newest entry")
# The header: .TH ABACOLO 1 "date" "Abacolo VERSION" "section".
expect(${MANUAL} "^\\.TH [^\"]*\"[^\"]*\" \"Abacolo ([^\"]*)\"" "the .TH header")
if(faults)
    message(FATAL_ERROR "The packaging does not agree with the project's version:${faults}")
endif()
message(STATUS "The changelog and the manual page name version ${VERSION}")
