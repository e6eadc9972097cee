// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows the program has no console of its own: the answer goes where its output was sent (a file,
// a pipe), else to the console of the command prompt that started it, else into a message box, which
// is where a teacher sees a shortcut's mistyped option.
#include "app/launch.h"

#include <QString>

#include <windows.h>

namespace abacolo {
namespace {

bool written(HANDLE handle, const std::string& text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        const std::wstring wide = QString::fromStdString(text + "\r\n").toStdWString();
        DWORD count = 0;
        return WriteConsoleW(handle, wide.c_str(), static_cast<DWORD>(wide.size()), &count, nullptr) != 0;
    }
    if (GetFileType(handle) == FILE_TYPE_UNKNOWN)
        return false;
    const std::string line = text + "\r\n";
    DWORD count = 0;
    return WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &count, nullptr) != 0;
}

} // namespace

void answerTeacher(const std::string& text, bool refusal) {
    if (written(GetStdHandle(refusal ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text))
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS) != 0) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr);
        const bool done = written(console, text);
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        if (done)
            return;
    }
    const std::wstring wide = QString::fromStdString(text).toStdWString();
    MessageBoxW(nullptr, wide.c_str(), L"Abacolo", MB_OK | (refusal ? MB_ICONWARNING : MB_ICONINFORMATION));
}

} // namespace abacolo
