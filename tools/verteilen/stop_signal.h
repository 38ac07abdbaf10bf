#pragma once
// Ctrl+C (SIGINT), SIGTERM and SIGHUP (a closed terminal, a dropped SSH
// session) ask a run to stop after the files in hand, so no copy across file
// systems is cut off halfway. A second signal abandons the copy in hand (its
// temporary file is removed) so the program ends at once; a third has the
// signal's default effect.

void InstallStopSignals();
bool StopSignalled();
