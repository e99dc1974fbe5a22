#pragma once
// A run: what one process is given to move at once, one command line or one
// dropped selection. Its arguments are resolved first, all of them, then its
// items are moved in order; each step does one of either, so that a caller
// with a message loop can answer its callers between steps.

struct MoveRun;

// The run over count paths (kept, not copied: they must outlive the run);
// flags: OPTF_... . NULL when out of memory: nothing is moved then.
MoveRun* StartMoveRun(int count, wchar_t** paths, unsigned flags);
// One step: resolves one argument or moves one item, which may ask a
// question. False once nothing is left to do (also for a NULL run).
bool StepMoveRun(MoveRun* run);
void EndMoveRun(MoveRun* run);
