#include "support/registry.h"

#include <sddl.h>

#include <algorithm>

namespace {

// parent\\path opened one level at a time (a long path does not open whole); null
// when missing.
HKEY Open(HKEY parent, const std::string& path, REGSAM access)
{
    HKEY key = parent;
    for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = path.find('\\', start);
        HKEY next = nullptr;
        const LONG failed =
            RegOpenKeyExA(key, path.substr(start, end - start).c_str(), 0, access, &next);
        if (key != parent) RegCloseKey(key);
        if (failed) return nullptr;
        key = next;
    }
    return key;
}

// The items of the subtree at parent\\path, key paths relative to it ("" for itself).
void Collect(HKEY parent, const std::string& path, const std::string& rel,
             std::vector<RegSaved::Item>& out)
{
    HKEY key = Open(parent, path, KEY_READ);
    if (!key) return;
    out.push_back({rel, "", "", 0, false});
    static char text[16384];
    static char data[65536];
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD n = sizeof text, type = 0, size = sizeof data;
        if (RegEnumValueA(key, i, text, &n, nullptr, &type, reinterpret_cast<BYTE*>(data), &size))
            break;
        out.push_back({rel, text, std::string(data, size), type, true});
    }
    for (DWORD n = sizeof text; !RegEnumKeyExA(key, static_cast<DWORD>(subkeys.size()), text, &n,
                                               nullptr, nullptr, nullptr, nullptr);
         n = sizeof text)
        subkeys.push_back(text);
    for (const std::string& s : subkeys) Collect(key, s, rel + s + "\\", out);
    RegCloseKey(key);
}

// path\\key without the key's trailing separator.
std::string Below(const std::string& path, std::string key)
{
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key.empty() ? path : path + "\\" + key;
}

void Lock(HKEY key, const char* sddl)
{
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr))
        return;
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
    LocalFree(sd);
}

}  // namespace

std::string RegDump(const std::string& path, const std::string& skip)
{
    std::vector<RegSaved::Item> items;
    Collect(HKEY_CLASSES_ROOT, path, "", items);
    std::vector<std::string> lines;
    for (const RegSaved::Item& item : items) {
        if (!skip.empty() && item.key.rfind(skip + "\\", 0) == 0) continue;
        std::string line = "[" + item.key + "]";
        if (item.value) {
            line += item.name + "=" + std::to_string(item.type) + ":";
            for (unsigned char c : item.data) {
                char hex[8];
                snprintf(hex, sizeof hex, "\\x%02X", c);
                line += c < 0x20 ? std::string(hex) : std::string(1, c);
            }
        }
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    std::string all;
    for (const std::string& line : lines) all += (all.empty() ? "" : "; ") + line;
    return all;
}

bool RegPut(const std::string& path, DWORD type, const std::string& data)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr))
        return false;
    const bool set = type == REG_NONE || !RegSetValueExA(key, nullptr, 0, type,
                                                         reinterpret_cast<const BYTE*>(data.data()),
                                                         static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return set;
}

RegSaved::RegSaved(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        saved_.push_back({path, {}});
        Collect(HKEY_CLASSES_ROOT, path, "", saved_.back().second);
    }
}

RegSaved::~RegSaved()
{
    for (const auto& [path, items] : saved_) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
        for (const Item& item : items) {
            HKEY key;
            if (RegCreateKeyExA(HKEY_CLASSES_ROOT, Below(path, item.key).c_str(), 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr))
                continue;
            if (item.value)
                RegSetValueExA(key, item.name.c_str(), 0, item.type,
                               reinterpret_cast<const BYTE*>(item.data.data()),
                               static_cast<DWORD>(item.data.size()));
            RegCloseKey(key);
        }
    }
}

RegReadOnly::RegReadOnly(const std::vector<std::string>& roots)
{
    for (const std::string& root : roots) {
        std::vector<RegSaved::Item> items;
        Collect(HKEY_CLASSES_ROOT, root, "", items);
        for (const RegSaved::Item& item : items) {
            HKEY key = item.value ? nullptr
                                  : Open(HKEY_CLASSES_ROOT, Below(root, item.key), KEY_ALL_ACCESS);
            if (!key) continue;
            keys_.push_back(key);
            Lock(key, "D:P(A;;KR;;;WD)");
        }
    }
}

RegReadOnly::~RegReadOnly()
{
    for (HKEY key : keys_) {
        Lock(key, "D:P(A;;KA;;;WD)");
        RegCloseKey(key);
    }
}
