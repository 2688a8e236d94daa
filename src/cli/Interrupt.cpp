#include "cli/Interrupt.h"

#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace quorvane {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
  g_interrupted = 1;
}

}  // namespace

void InstallInterruptHandlers() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocked read must return and look at the flag
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
  // A reader that goes away (`quorvane-cli stats a.crp | head -1`) must not end a run in the
  // middle of an operation: the lost output is dropped and the operation finishes.
  std::signal(SIGPIPE, SIG_IGN);
}

bool Interrupted() noexcept {
  return g_interrupted != 0;
}

}  // namespace quorvane
