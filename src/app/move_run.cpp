#include "app/move_run.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "app/arguments.h"
#include "app/move_op.h"
#include "app/move_up.h"
#include "base/file_handle.h"
#include "base/mem.h"
#include "text/chars.h"
#include "text/path.h"
#include "text/str.h"

namespace {

enum ItemRole {
    ITEM_NAMED,   // given to the run
    ITEM_CHILD,   // a child of a folder that moved up into its own parent
    ITEM_FOLDER,  // that folder, parked (path), after its children: its own name
                  // (folder) is given back unless it went
};

struct RunItem {
    wchar_t* path;    // heap
    wchar_t* folder;  // ITEM_FOLDER: heap; else null
    unsigned key;     // ITEM_NAMED: of the path in upper case, repeats are looked for by it
    ItemRole role;
};

}  // namespace

struct MoveRun {
    wchar_t** arguments;
    int argumentCount;
    int nextArgument;
    ArgumentParse* parse;
    RunItem* items;
    int count;
    int capacity;
    int next;
    unsigned flags;
    FolderTests tests;
    ClashPolicy clashes;
    int itemsInRun;  // named and children: what an answer for the rest may reach
    int itemsTaken;  // of them, those whose turn has come
};

namespace {

wchar_t* StrDuplicate(const wchar_t* text)
{
    const size_t size = (StrLen(text) + 1) * sizeof(wchar_t);
    wchar_t* copy = static_cast<wchar_t*>(malloc(size));
    if (copy) {
        memcpy(copy, text, size);
    }
    return copy;
}

unsigned UpperCaseKey(const wchar_t* path)
{
    wchar_t upper[PATH_BUFFER_SIZE];
    StrCopyBounded(PATH_BUFFER_SIZE, upper, path);
    CharUpperBuffW(upper, static_cast<DWORD>(StrLen(upper)));
    unsigned key = 2166136261u;
    for (const wchar_t* p = upper; *p; ++p) {
        key = (key ^ *p) * 16777619u;
    }
    return key;
}

// The same item named twice (a repeat in a drop, a path given twice) is
// acted on once: one question, not one per copy. Names that differ only in
// letter case are the same item unless the folder tells them apart.
bool NamedBefore(const MoveRun* run, const wchar_t* path, unsigned key)
{
    for (int i = 0; i < run->count; ++i) {
        const wchar_t* earlier = run->items[i].path;
        if (run->items[i].key == key &&
            (StrEqual(earlier, path) ||
             (CompareStringOrdinal(earlier, -1, path, -1, TRUE) == CSTR_EQUAL &&
              PathsReachSameItem(earlier, path)))) {
            return true;
        }
    }
    return false;
}

void ResolveNext(MoveRun* run)
{
    const int i = run->nextArgument++;
    wchar_t path[PATH_BUFFER_SIZE];
    if (!ResolveArgument(run->parse, run->argumentCount, run->arguments, i, path)) {
        return;
    }
    const unsigned key = UpperCaseKey(path);
    if (NamedBefore(run, path, key)) {
        return;
    }
    wchar_t* copy = StrDuplicate(path);
    if (!copy) {
        // Out of memory: the run ends here, with what it holds.
        run->nextArgument = run->argumentCount;
        return;
    }
    run->items[run->count++] = RunItem{copy, nullptr, key, ITEM_NAMED};
    ++run->itemsInRun;
}

// Puts the item at index at, moving those from there on one place later.
// False when out of memory: nothing changed then.
bool InsertItem(MoveRun* run, int at, const RunItem& item)
{
    if (run->count == run->capacity) {
        const int capacity = run->capacity + run->capacity / 2 + 16;
        void* grown = realloc(run->items, capacity * sizeof(RunItem));
        if (!grown) {
            return false;
        }
        run->items = static_cast<RunItem*>(grown);
        run->capacity = capacity;
    }
    memmove(run->items + at + 1, run->items + at, (run->count - at) * sizeof(RunItem));
    run->items[at] = item;
    ++run->count;
    return true;
}

// A folder parked in its own parent: each of its children becomes one of the
// next items of the run, in the order listed, and the folder's end follows
// them. Whatever is not listed stays in it: a name too long for a path, or
// what memory could not hold.
void PlanDoubledFolder(MoveRun* run, const wchar_t* parked, const wchar_t* folder)
{
    RunItem end = {StrDuplicate(parked), StrDuplicate(folder), 0, ITEM_FOLDER};
    if (!end.path || !end.folder || !InsertItem(run, run->next, end)) {
        MemFree(end.path);
        MemFree(end.folder);
        FinishDoubledFolder(parked, folder);
        return;
    }
    wchar_t pattern[PATH_BUFFER_SIZE];
    PathJoin(pattern, parked, L"*");
    WIN32_FIND_DATAW found;
    HANDLE search =
        StrLen(parked) + 2 <= PATH_LIMIT ? FindFirstFileW(pattern, &found) : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    int at = run->next;
    do {
        const wchar_t* name = found.cFileName;
        if (StrEqual(name, L".") || StrEqual(name, L"..") ||
            StrLen(parked) + 1 + StrLen(name) > PATH_LIMIT) {
            continue;
        }
        wchar_t child[PATH_BUFFER_SIZE];
        PathJoin(child, parked, name);
        RunItem item = {StrDuplicate(child), nullptr, 0, ITEM_CHILD};
        if (!item.path || !InsertItem(run, at, item)) {
            MemFree(item.path);
            break;
        }
        ++at;
        ++run->itemsInRun;
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void MoveNext(MoveRun* run)
{
    const RunItem item = run->items[run->next++];
    if (item.role == ITEM_FOLDER) {
        if (FinishDoubledFolder(item.path, item.folder) && (run->flags & OPTF_OPEN)) {
            OpenDestinationOf(item.folder);
        }
        return;
    }
    // キャンセル: this item and every later one stay; a parked folder still
    // gets its name back.
    ++run->itemsTaken;
    if (run->clashes.cancelled) {
        return;
    }
    run->clashes.many = run->itemsInRun > 1;
    run->clashes.laterItems = run->itemsTaken < run->itemsInRun;
    // A folder's children open nothing each: its end opens the folder, once.
    const unsigned flags = item.role == ITEM_CHILD ? run->flags & ~unsigned{OPTF_OPEN} : run->flags;
    wchar_t parked[PATH_BUFFER_SIZE];
    if (MoveUp(item.path, flags, &run->tests, &run->clashes, parked)) {
        PlanDoubledFolder(run, parked, item.path);
    }
}

}  // namespace

MoveRun* StartMoveRun(int count, wchar_t** paths, unsigned flags)
{
    MoveRun* run = static_cast<MoveRun*>(malloc(sizeof(MoveRun)));
    if (!run) {
        return nullptr;
    }
    MemZero(run, sizeof *run);
    run->arguments = paths;
    run->argumentCount = count;
    run->flags = flags;
    run->parse = StartArgumentParse();
    run->capacity = count > 0 ? count : 1;
    run->items = static_cast<RunItem*>(malloc(run->capacity * sizeof(RunItem)));
    if (!run->parse || !run->items) {
        EndMoveRun(run);
        return nullptr;
    }
    return run;
}

bool StepMoveRun(MoveRun* run)
{
    if (!run) {
        return false;
    }
    if (run->nextArgument < run->argumentCount) {
        ResolveNext(run);
        if (run->nextArgument == run->argumentCount) {
            // The folders stay bound no longer than the arguments need them.
            EndArgumentParse(run->parse);
            run->parse = nullptr;
        }
    } else if (run->next < run->count) {
        MoveNext(run);
    }
    return run->nextArgument < run->argumentCount || run->next < run->count;
}

void EndMoveRun(MoveRun* run)
{
    if (!run) {
        return;
    }
    EndArgumentParse(run->parse);
    for (int i = 0; i < run->count; ++i) {
        MemFree(run->items[i].path);
        MemFree(run->items[i].folder);
    }
    MemFree(run->items);
    MemFree(run);
}
