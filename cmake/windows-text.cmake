# SPDX-License-Identifier: GPL-3.0-or-later
# A text as Windows' Notepad reads it best: UTF-8 with a byte order mark and CRLF line ends. For the
# read-me and the licences of the Windows and the browser downloads.
#   cmake -DINPUT=... -DOUTPUT=... -P windows-text.cmake
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(WRITE "${OUTPUT}" "${bom}${text}")
