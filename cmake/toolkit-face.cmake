# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's toolkit face. Qt for WebAssembly compiles DejaVu Sans (and DejaVu Sans Mono) whole into
# its platform plugin, about a quarter of the first visit; the Qt scripts/qt builds hands the face beside
# it instead (share/abacolo/), and a program compiles in only the letters it shows (Latin-1 and the
# punctuation of Italian), under the face's own name, which the font database falls back to for every
# face it lacks. Registered at the start, so every caption is drawn as before.
#   abacolo_toolkit_face(TARGET)   the face as the resource :/toolkit/DejaVuSans.ttf of TARGET
if(DEFINED QT6_INSTALL_PREFIX)
    set(qt_prefix ${QT6_INSTALL_PREFIX})
else()
    get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
endif()
set(ABACOLO_TOOLKIT_FACE ${qt_prefix}/share/abacolo/DejaVuSans.ttf CACHE FILEPATH
    "The browser toolkit's face, as the browser's Qt hands it")
set(ABACOLO_TOOLKIT_FACE_LICENCE ${qt_prefix}/share/abacolo/DEJAVU-LICENSE CACHE FILEPATH
    "The licence of the browser toolkit's face")
if(NOT EXISTS ${ABACOLO_TOOLKIT_FACE})
    message(FATAL_ERROR "${ABACOLO_TOOLKIT_FACE} is missing: the browser's Qt is older than the program "
                        "(scripts/qt web builds it again)")
endif()
# Made while configuring, as the program and the benchmark's floor take it from different folders.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(toolkit_face_dir ${PROJECT_BINARY_DIR}/toolkit-face)
set(toolkit_face ${toolkit_face_dir}/DejaVuSans.ttf)
if(NOT EXISTS ${toolkit_face} OR ${ABACOLO_TOOLKIT_FACE} IS_NEWER_THAN ${toolkit_face}
   OR ${PROJECT_SOURCE_DIR}/resources/subset-face.py IS_NEWER_THAN ${toolkit_face})
    file(MAKE_DIRECTORY ${toolkit_face_dir})
    execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/resources/subset-face.py
                            ${ABACOLO_TOOLKIT_FACE} ${toolkit_face} "DejaVu Sans"
                    RESULT_VARIABLE subset_failed)
    if(subset_failed)
        file(REMOVE ${toolkit_face})
        message(FATAL_ERROR "could not keep the letters of ${ABACOLO_TOOLKIT_FACE}")
    endif()
endif()
function(abacolo_toolkit_face target)
    qt_add_resources(${target} ${target}_toolkit_face PREFIX /toolkit BASE ${toolkit_face_dir}
                     FILES ${toolkit_face})
endfunction()
