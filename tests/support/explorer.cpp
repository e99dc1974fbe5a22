#include "support/explorer.h"

#include <shlobj.h>
#include <tlhelp32.h>

namespace {

struct Selection {
    std::string kind;
    std::wstring folder;
    std::vector<std::wstring> names;
};

HRESULT Drop(const Selection& s)
{
    char text[64] = "";
    DWORD size = sizeof text;
    const std::string verb = s.kind + "\\shell\\Vellanort.nobo\\DropTarget";
    wchar_t clsidText[64];
    CLSID clsid;
    if (RegGetValueA(HKEY_CLASSES_ROOT, verb.c_str(), "Clsid", RRF_RT_REG_SZ, nullptr, text,
                     &size) ||
        !MultiByteToWideChar(CP_ACP, 0, text, -1, clsidText, 64) ||
        FAILED(CLSIDFromString(clsidText, &clsid)))
        return REGDB_E_CLASSNOTREG;
    IShellFolder *desktop = nullptr, *folder = nullptr;
    LPITEMIDLIST folderList = nullptr;
    std::vector<LPITEMIDLIST> items(s.names.size());
    IDataObject* data = nullptr;
    IDropTarget* target = nullptr;
    HRESULT hr = SHGetDesktopFolder(&desktop);
    if (SUCCEEDED(hr))
        hr = desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(s.folder.c_str()),
                                       nullptr, &folderList, nullptr);
    if (SUCCEEDED(hr)) hr = desktop->BindToObject(folderList, nullptr, IID_PPV_ARGS(&folder));
    for (size_t i = 0; SUCCEEDED(hr) && i < items.size(); ++i)
        hr = folder->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(s.names[i].c_str()),
                                      nullptr, &items[i], nullptr);
    if (SUCCEEDED(hr))
        hr = folder->GetUIObjectOf(nullptr, static_cast<UINT>(items.size()),
                                   const_cast<LPCITEMIDLIST*>(items.data()), IID_IDataObject,
                                   nullptr, reinterpret_cast<void**>(&data));
    if (SUCCEEDED(hr)) hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&target));
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    if (SUCCEEDED(hr)) hr = target->DragEnter(data, MK_RBUTTON, POINTL{}, &effect);
    if (SUCCEEDED(hr)) hr = effect ? target->Drop(data, MK_RBUTTON, POINTL{}, &effect) : E_ABORT;
    if (target) target->Release();
    if (data) data->Release();
    for (LPITEMIDLIST item : items) CoTaskMemFree(item);
    CoTaskMemFree(folderList);
    if (folder) folder->Release();
    if (desktop) desktop->Release();
    return hr;
}

DWORD WINAPI DropThread(void* param)
{
    Selection* s = static_cast<Selection*>(param);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HRESULT hr = Drop(*s);
    CoUninitialize();
    delete s;
    return static_cast<DWORD>(hr);
}

}  // namespace

HANDLE DropSelection(const char* kind, const std::wstring& folder,
                     const std::vector<std::wstring>& names)
{
    return CreateThread(nullptr, 0, DropThread, new Selection{kind, folder, names}, 0, nullptr);
}

std::vector<DWORD> NoboProcesses()
{
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry))
        if (!lstrcmpiW(entry.szExeFile, L"nobo.exe")) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}
