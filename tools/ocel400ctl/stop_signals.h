// SIGINT, SIGTERM and SIGHUP do not cut an exchange short: they are noted,
// and the command stops before its next exchange. The program then ends
// normally, so the library closes the port: its lock released, RTS low.
#pragma once

namespace ocelctl {

void catchStopSignals();

// The stop signal that came, or 0.
int stopSignal();

// The exit status of a program ended by signal: 128 + its number.
inline int exitStatusForSignal(int signal) { return 128 + signal; }

}  // namespace ocelctl
