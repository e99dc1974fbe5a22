#pragma once
// nobo's menu entry as Explorer's drop target: Explorer hands the whole
// selection to one Drop, whose items wait in a queue for the server's loop.
#include <windows.h>
#include <ole2.h>

enum {
    WM_NOBO_DROPPED = WM_APP,  // posted to the wake window after each drop queued
};

// The one class object (static): it makes drop targets whose drops are
// queued, each followed by WM_NOBO_DROPPED posted to wake.
IClassFactory* DropTargetFactory(HWND wake);

// One drop's items, exact UTF-16 paths, in the order given: one heap block.
struct QueuedDrop {
    QueuedDrop* next;
    int count;
    wchar_t** items;
};

// The oldest drop, taken off the queue (the caller frees it with MemFree);
// NULL when none waits.
QueuedDrop* TakeQueuedDrop();
