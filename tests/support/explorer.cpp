#include "support/explorer.h"

#include <shlobj.h>
#include <tlhelp32.h>

namespace {

struct Selection {
    std::wstring kind, folder;
    std::vector<std::wstring> names;
};

DWORD WINAPI Drop(void* param)
{
    auto* s = static_cast<Selection*>(param);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    wchar_t text[64] = L"";
    DWORD size = sizeof text;
    CLSID clsid = {};
    LPITEMIDLIST folderList = nullptr;
    std::vector<LPITEMIDLIST> items(s->names.size());
    IShellFolder* folder = nullptr;
    IDataObject* data = nullptr;
    IDropTarget* target = nullptr;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    // The user's classes first, then the machine's, as Windows reads them.
    const std::wstring key =
        L"Software\\Classes\\" + s->kind + L"\\shell\\Vellanort.nobo\\DropTarget";
    HRESULT hr = E_FAIL;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        if (FAILED(hr))
            hr = HRESULT_FROM_WIN32(RegGetValueW(root, key.c_str(), L"Clsid", RRF_RT_REG_SZ,
                                                 nullptr, text, &(size = sizeof text)));
    if (SUCCEEDED(hr)) hr = CLSIDFromString(text, &clsid);
    if (SUCCEEDED(hr)) hr = SHParseDisplayName(s->folder.c_str(), nullptr, &folderList, 0, nullptr);
    if (SUCCEEDED(hr))
        hr = SHBindToObject(nullptr, folderList, nullptr, IID_IShellFolder,
                            reinterpret_cast<void**>(&folder));
    for (size_t i = 0; SUCCEEDED(hr) && i < items.size(); ++i)
        hr = folder->ParseDisplayName(nullptr, nullptr, &s->names[i][0], nullptr, &items[i],
                                      nullptr);
    if (SUCCEEDED(hr))
        hr = folder->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()),
                                   const_cast<LPCITEMIDLIST*>(items.data()), IID_IDataObject,
                                   nullptr, reinterpret_cast<void**>(&data));
    if (SUCCEEDED(hr)) hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&target));
    if (SUCCEEDED(hr)) hr = target->DragEnter(data, MK_RBUTTON, POINTL{}, &effect);
    if (SUCCEEDED(hr)) hr = effect ? target->Drop(data, MK_RBUTTON, POINTL{}, &effect) : E_ABORT;
    for (IUnknown* object : std::vector<IUnknown*>{target, data, folder})
        if (object) object->Release();
    for (LPITEMIDLIST item : items) CoTaskMemFree(item);
    CoTaskMemFree(folderList);
    CoUninitialize();
    delete s;
    return static_cast<DWORD>(hr);
}

}  // namespace

HANDLE DropSelection(const char* kind, const std::wstring& folder,
                     const std::vector<std::wstring>& names)
{
    return CreateThread(nullptr, 0, Drop,
                        new Selection{std::wstring(kind, kind + strlen(kind)), folder, names}, 0,
                        nullptr);
}

std::vector<DWORD> NoboProcesses(const wchar_t* exe)
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        if (!lstrcmpiW(entry.szExeFile, exe)) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}
