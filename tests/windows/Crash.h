// A crash for the test programs that play faulty children: an access
// violation that ends the process with the exception's code, as where no
// debugger is registered, and without the system's crash dialog.
#pragma once

#include <windows.h>

[[noreturn]] inline void CrashWithAnAccessViolation() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(
      [](EXCEPTION_POINTERS*) -> LONG { return EXCEPTION_EXECUTE_HANDLER; });
  volatile int* nowhere = nullptr;
  *nowhere = 1;
  ExitProcess(EXCEPTION_ACCESS_VIOLATION);  // not reached
}
