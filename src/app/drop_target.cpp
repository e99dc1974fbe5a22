#include "app/drop_target.h"

#include <shellapi.h>
#include <stdlib.h>

#include "base/mem.h"

// Constructs an object in a block of ours: the program has no operator new.
struct InBlock {};
void* operator new(size_t, void* block, InBlock)
{
    return block;
}

namespace {

QueuedDrop* g_first;
QueuedDrop** g_last = &g_first;
HWND g_wake;

FORMATETC g_files = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};

// The drop's file-system items copied into the queue, as one block. The data
// object calls back into Explorer, which is gone once Drop has returned: the
// paths are read here or never. Items outside the file system come without
// CF_HDROP and are ignored.
bool QueueFiles(IDataObject* data)
{
    STGMEDIUM medium = {};
    if (!data || FAILED(data->GetData(&g_files, &medium))) {
        return false;
    }
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    UINT units = 0;
    for (UINT i = 0; i < count; ++i) {
        units += DragQueryFileW(drop, i, nullptr, 0) + 1;
    }
    QueuedDrop* queued = nullptr;
    if (count > 0) {
        queued = static_cast<QueuedDrop*>(
            malloc(sizeof(QueuedDrop) + count * sizeof(wchar_t*) + units * sizeof(wchar_t)));
    }
    if (queued) {
        queued->next = nullptr;
        queued->count = static_cast<int>(count);
        queued->items = reinterpret_cast<wchar_t**>(queued + 1);
        wchar_t* text = reinterpret_cast<wchar_t*>(queued->items + count);
        for (UINT i = 0; i < count; ++i) {
            const UINT n = DragQueryFileW(drop, i, text, units) + 1;
            queued->items[i] = text;
            text += n;
            units -= n;
        }
        *g_last = queued;
        g_last = &queued->next;
    }
    ReleaseStgMedium(&medium);
    return queued != nullptr;
}

class DropTarget : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget) ? this : nullptr;
        if (!*out) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return ++refs;
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --refs;
        if (left == 0) {
            this->~DropTarget();
            MemFree(this);
            CoReleaseServerProcess();
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (effect && (!data || data->QueryGetData(&g_files) != S_OK)) {
            *effect = DROPEFFECT_NONE;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        return S_OK;
    }
    // Explorer waits on Drop: it only queues, never asks or moves. Nothing
    // has moved when it returns, and the source must delete nothing.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (effect) {
            *effect = DROPEFFECT_NONE;
        }
        if (QueueFiles(data)) {
            PostMessageW(g_wake, WM_NOBO_DROPPED, 0, 0);
        }
        return S_OK;
    }

    ULONG refs = 1;
};

// Static: it lives as long as the process; each drop target it makes holds
// the server process while it lives.
class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        return 1;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        *out = nullptr;
        if (outer) {
            return CLASS_E_NOAGGREGATION;
        }
        void* block = malloc(sizeof(DropTarget));
        if (!block) {
            return E_OUTOFMEMORY;
        }
        CoAddRefServerProcess();
        DropTarget* target = new (block, InBlock()) DropTarget();
        const HRESULT result = target->QueryInterface(iid, out);
        target->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock) {
            CoAddRefServerProcess();
        } else {
            CoReleaseServerProcess();
        }
        return S_OK;
    }
};

Factory g_factory;

}  // namespace

IClassFactory* DropTargetFactory(HWND wake)
{
    g_wake = wake;
    return &g_factory;
}

QueuedDrop* TakeQueuedDrop()
{
    QueuedDrop* drop = g_first;
    if (drop) {
        g_first = drop->next;
        if (!g_first) {
            g_last = &g_first;
        }
    }
    return drop;
}
