#pragma once
// The program's wait cursor (the hourglass) while a run works. Not nested:
// a run may end by an error or a stop at any depth, and one EndWait must
// then be enough to give the user the normal cursor back.

// Hourglass over every window of the program; no nesting count.
void BeginWait();
// Back to the normal cursor, however many BeginWait calls came before.
void EndWait();
