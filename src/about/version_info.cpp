#include "about/version_info.h"

#include <stdlib.h>

#include "base/mem.h"
#include "base/module_path.h"
#include "base/system_library.h"
#include "text/format.h"
#include "text/path.h"
#include "text/str.h"

namespace {

// version.dll is no KnownDLL: imported, it would be looked for beside the
// program first. Its three calls are taken from the system folder's copy.
// The file by its exact UTF-16 path; its strings are read in the ANSI code page.
typedef DWORD(WINAPI* VersionSizeProc)(LPCWSTR, LPDWORD);
typedef BOOL(WINAPI* VersionInfoProc)(LPCWSTR, DWORD, DWORD, LPVOID);
typedef BOOL(WINAPI* VersionQueryProc)(LPCVOID, LPCSTR, LPVOID*, PUINT);

// "\StringFileInfo\<language><code page>\<name>".
const size_t VERSION_QUERY_SIZE = 260;

struct VersionApi {
    VersionSizeProc size;
    VersionInfoProc info;
    VersionQueryProc query;
};

const VersionApi* GetVersionApi()
{
    static VersionApi api;
    static bool loaded;
    if (!loaded) {
        loaded = true;
        if (HMODULE dll = LoadSystemLibrary("version.dll")) {
            api.size = GetSystemProc<VersionSizeProc>(dll, "GetFileVersionInfoSizeW");
            api.info = GetSystemProc<VersionInfoProc>(dll, "GetFileVersionInfoW");
            api.query = GetSystemProc<VersionQueryProc>(dll, "VerQueryValueA");
        }
    }
    return api.size && api.info && api.query ? &api : nullptr;
}

}  // namespace

void* LoadVersionBlock(HMODULE module, DWORD** translation)
{
    wchar_t path[PATH_BUFFER_SIZE];
    if (!GetModulePath(module, path, PATH_BUFFER_SIZE)) {
        return nullptr;
    }
    const VersionApi* api = GetVersionApi();
    if (api == nullptr) {
        return nullptr;
    }
    DWORD unused = 0;
    const DWORD size = api->size(path, &unused);
    if (size == 0) {
        return nullptr;
    }
    void* block = malloc(size);
    if (block == nullptr) {
        return nullptr;
    }
    UINT length = 0;
    // A translation shorter than one language and code page pair is none.
    if (api->info(path, 0, size, block) &&
        api->query(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(translation),
                   &length) &&
        length >= sizeof(DWORD)) {
        return block;
    }
    MemFree(block);
    return nullptr;
}

bool QueryVersionString(char* out, const void* block, DWORD translation, const char* name)
{
    char query[VERSION_QUERY_SIZE];
    void* value = nullptr;
    UINT length = 0;
    const VersionApi* api = GetVersionApi();
    if (api == nullptr ||
        StrFormatBounded(sizeof query, query, "\\StringFileInfo\\%04x%04x\\%s", LOWORD(translation),
                         HIWORD(translation), name) < 0 ||
        !api->query(block, query, &value, &length) || value == nullptr) {
        out[0] = '\0';
        return false;
    }
    StrCopyBounded(VERSION_TEXT_SIZE, out, static_cast<const char*>(value));
    return true;
}
