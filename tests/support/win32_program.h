// The program itself, started from a test as a user starts it, in a process
// of its own (CELFORO_EXE), and how it ended.
#pragma once

#include <windows.h>

#include <string>

#include "win32/text.h"

namespace celforo::win32 {

inline std::wstring ProgramPath() {
  std::string path = CELFORO_EXE;
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // a Unix path, under Wine
  for (char& c : path)
    if (c == '/') c = '\\';
  return Widen(path);
}

struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  DWORD createError = 0;  // the system's reason when no process was made
};

// Wine has been seen to refuse, once in many runs and within milliseconds, to
// make a process right after another of the program's ended: the making is
// asked again a few times before the start counts as failed.
inline Started StartProgram() {
  Started started;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + ProgramPath() + L"\"";
  for (int tries = 0;; ++tries) {
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started.process))
      break;
    started.createError = GetLastError();
    if (tries == 4) return started;
    Sleep(200);
  }
  WaitForInputIdle(started.process.hProcess, 10000);
  for (int tries = 0; tries < 200 && started.window == nullptr; ++tries) {
    HWND window = FindWindowW(L"CelforoForm1", nullptr);
    DWORD owner = 0;
    if (window != nullptr) GetWindowThreadProcessId(window, &owner);
    if (owner == started.process.dwProcessId && IsWindowVisible(window)) started.window = window;
    if (started.window == nullptr) Sleep(50);
  }
  return started;
}

inline DWORD EndedWith(const Started& started) {
  DWORD status = 99;
  if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 98);
    WaitForSingleObject(started.process.hProcess, 10000);
  }
  GetExitCodeProcess(started.process.hProcess, &status);
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
  return status;
}

}  // namespace celforo::win32
