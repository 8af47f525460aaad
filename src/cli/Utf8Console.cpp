#include "cli/Utf8Console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#endif

namespace orvan {

#ifdef _WIN32
namespace {

// Larger than anything the tool prints in one run.
constexpr std::size_t kConsoleBufferSize = 1 << 16;

// 0 while the console keeps its own page.
std::atomic<UINT> earlierPage{0};

void RestorePage() {
    if (const UINT page = earlierPage.exchange(0)) {
        SetConsoleOutputCP(page);
    }
}

// Runs on a thread of its own; FALSE lets Windows end the process as it would have.
BOOL WINAPI RestoreOnInterrupt(DWORD) {
    RestorePage();
    return FALSE;
}

bool IsConsole(DWORD handle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(handle), &mode) != 0;
}

// The bytes must reach the console unchanged and whole: the C runtime's text mode may decode them
// itself in its own locale (wine's does), and an unbuffered stream writes byte by byte, so that a
// console decoding each write on its own shows the halves of "ü" as two wrong characters. A
// console ends a line at "\n" by itself.
void PassBytesWhole(std::FILE* stream, DWORD handle) {
    if (IsConsole(handle)) {
        _setmode(_fileno(stream), _O_BINARY);
        std::setvbuf(stream, nullptr, _IOFBF, kConsoleBufferSize);
    }
}

}  // namespace

Utf8Console::Utf8Console() {
    PassBytesWhole(stdout, STD_OUTPUT_HANDLE);
    PassBytesWhole(stderr, STD_ERROR_HANDLE);
    const UINT page = GetConsoleOutputCP();
    if (page != 0 && page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        earlierPage = page;
        SetConsoleCtrlHandler(RestoreOnInterrupt, TRUE);
    }
}

Utf8Console::~Utf8Console() {
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleCtrlHandler(RestoreOnInterrupt, FALSE);
    RestorePage();
}
#else
Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;
#endif

}  // namespace orvan
