#include "stop_signals.h"

#include <csignal>
#include <initializer_list>

namespace ocelctl {

namespace {

volatile std::sig_atomic_t caught = 0;

void note(int signal) {
  if (caught == 0) caught = signal;
}

}  // namespace

void catchStopSignals() {
  struct sigaction action {};
  action.sa_handler = note;
  action.sa_flags = SA_RESTART;  // output to a pipe is not cut short
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

int stopSignal() { return caught; }

}  // namespace ocelctl
