#pragma once
// The move mode's arguments turned into the items to move, one at a time.

// What the parse of the previous argument left for the next: the items of
// one folder share that folder's parse. A heap block; NULL when out of memory.
struct ArgumentParse;
ArgumentParse* StartArgumentParse();
void EndArgumentParse(ArgumentParse* parse);

// Candidate i of argv (candidates in all) as the shell's full path of an
// existing item, into out (PATH_BUFFER_SIZE units); false when it names
// nothing that may be moved.
bool ResolveArgument(ArgumentParse* parse, int candidates, wchar_t** argv, int i, wchar_t* out);

// The shell's canonical file-system path of a path, into PATH_BUFFER_SIZE units.
bool ShellResolvePath(wchar_t* out, const wchar_t* path);
