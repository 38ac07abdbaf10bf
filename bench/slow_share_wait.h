#pragma once
// The wait of fotomaz-bench-share, as fotomaz-bench --langsam passes it on.

// A request waits at most this long (ms): a slower share shows nothing a
// wait of a few ms does not, and only makes a bench of a few hundred files
// last hours.
constexpr unsigned kLongestShareWaitMs = 1000;
