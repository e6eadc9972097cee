# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers (the posix-thread variants, which
# Qt needs for std::thread and std::mutex). Used for the static Qt of scripts/qt and for the
# program itself. A Qt for Windows installed in a folder of its own is found when that folder is given
# as ABACOLO_WINDOWS_QT.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Headers, libraries and CMake packages come from the target's folders; programs run at build time
# (moc, rcc, the SVG renderer) come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
if(ABACOLO_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${ABACOLO_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${ABACOLO_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
