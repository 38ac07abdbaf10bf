#pragma once
// Ctrl+C (SIGINT) and SIGTERM ask a run to stop after the file in hand, so no
// copy across file systems is cut off halfway. A second signal ends the
// program at once, as usual.

void InstallStopSignals();
bool StopSignalled();
