#pragma once
// Stopping the copy in hand. A stop signal must reach the copy loop without
// knowing which mover runs it, so the request stands apart from the movers.

// Asks a copy in hand to stop as soon as it can, removing its temporary
// file; the move then reports Abandoned, and so does every later copy. Safe
// to call from a signal handler.
void AbandonCopyInHand();
