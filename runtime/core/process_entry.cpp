// The process entry: hands control to the application's entry routine and
// runs the exit step when it returns.
#include <windows.h>

#include "runtime/core/program_header.h"
#include "runtime/core/shutdown.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  lp_program_entry();
  // The entry routine returns when the message loop has ended.
  lp::exitProcess(0);
}
