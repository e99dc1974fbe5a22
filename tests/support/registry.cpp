#include "support/registry.h"

#include <sddl.h>

#include "support/program.h"

#include <set>

namespace {

// The subtree at parent\name, opened a level at a time (a long path does not
// open whole), in UTF-16 and in the 64-bit view where there is one. With
// keep, each key stays open in it.
void Collect(HKEY parent, const std::string& name, const std::string& rel,
             std::vector<RegItem>& out, std::vector<HKEY>* keep = nullptr)
{
    HKEY key;
    const REGSAM rights = (keep ? KEY_ALL_ACCESS : KEY_READ) | KEY_WOW64_64KEY;
    if (RegOpenKeyExW(parent, Widen(name).c_str(), 0, rights, &key)) return;
    out.push_back({rel, "", "", ~0u});
    static wchar_t text[16384], data[65536];
    for (DWORD i = 0, n = 16384, type = 0, size = sizeof data;
         !RegEnumValueW(key, i, text, &n, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
         ++i, n = 16384, size = sizeof data)
        out.push_back({rel, Narrow(text), std::string(reinterpret_cast<char*>(data), size), type});
    for (DWORD i = 0, n = 16384;
         !RegEnumKeyExW(key, i, text, &n, nullptr, nullptr, nullptr, nullptr); ++i, n = 16384)
        Collect(key, Narrow(text), rel + "\\" + Narrow(text), out, keep);
    keep ? keep->push_back(key) : void(RegCloseKey(key));
}

// The root a path lies in, and the path below it.
std::pair<HKEY, std::string> Root(const std::string& path)
{
    const bool user = path[0] == '~';
    return {user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
            "Software\\Classes\\" + path.substr(user)};
}

// Created, or opened, in the 64-bit view where there is one.
HKEY Create64(const std::string& path)
{
    HKEY key = nullptr;
    RegCreateKeyExW(Root(path).first, Widen(Root(path).second).c_str(), 0, nullptr, 0,
                    KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    return key;
}

}  // namespace

std::string RegDump(const std::string& path, const std::string& sub, bool in)
{
    std::vector<RegItem> items;
    Collect(Root(path).first, Root(path).second, "", items);
    std::multiset<std::string> lines;
    for (const RegItem& item : items) {
        if (!sub.empty() && (item.key.rfind("\\" + sub, 0) == 0) != in) continue;
        std::string line = "[" + item.key + "]";
        if (item.type != ~0u) line += item.name + "=" + std::to_string(item.type) + ":";
        // Texts as UTF-16 shows them, other data byte for byte.
        for (unsigned char c : item.type != REG_SZ && item.type != REG_EXPAND_SZ
                                   ? item.data
                                   : Narrow({reinterpret_cast<const wchar_t*>(item.data.data()),
                                             item.data.size() / 2}))
            line += c < 0x20 ? "\\" + std::to_string(c) : std::string(1, static_cast<char>(c));
        lines.insert(line);
    }
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : "; ") + line;
    return all;
}

bool RegPut(const std::string& path, DWORD type, const std::string& data)
{
    const size_t name = path.find('>');
    HKEY key = Create64(path.substr(0, name));
    const bool put = key && (type == REG_NONE ||
                             !RegSetValueExA(key, name != path.npos ? &path[name + 1] : nullptr, 0,
                                             type, reinterpret_cast<const BYTE*>(data.data()),
                                             static_cast<DWORD>(data.size())));
    return key && !RegCloseKey(key) && put;
}

RegSaved::RegSaved(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        Collect(Root(path).first, Root(path).second, "", saved.emplace_back(path, 0).second);
}

RegSaved::~RegSaved()
{
    for (const auto& [path, items] : saved) {
        // Emptied through its own handle, then deleted, in the 64-bit view.
        if (HKEY key = Create64(path)) RegDeleteTreeW(key, nullptr), RegCloseKey(key);
        RegDeleteKeyExW(Root(path).first, Widen(Root(path).second).c_str(), KEY_WOW64_64KEY, 0);
        for (const RegItem& item : items) {
            HKEY key = Create64(path + item.key);
            if (item.type != ~0u)
                RegSetValueExW(key, Widen(item.name).c_str(), 0, item.type,
                               reinterpret_cast<const BYTE*>(item.data.data()),
                               static_cast<DWORD>(item.data.size()));
            RegCloseKey(key);
        }
    }
}

RegReadOnly::RegReadOnly(const std::vector<std::string>& roots, const char* sddl)
{
    std::vector<RegItem> items;
    for (const std::string& root : roots)
        Collect(Root(root).first, Root(root).second, "", items, &keys);
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &readOnly, nullptr);
    for (HKEY key : keys) {
        DWORD size = 4096;
        was.emplace_back(size);
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, was.back().data(), &size);
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly);
    }
    LocalFree(readOnly);
}

RegReadOnly::~RegReadOnly()
{
    for (size_t i = 0; i < keys.size(); ++i)
        RegSetKeySecurity(keys[i], DACL_SECURITY_INFORMATION, was[i].data()), RegCloseKey(keys[i]);
}
