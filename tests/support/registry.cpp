#include "support/registry.h"

#include "support/process.h"

#include <sddl.h>
#include <stdio.h>

#include <algorithm>

namespace {

std::wstring WidePath(const std::string& path)
{
    return Widen(path);
}

HKEY OpenW(const std::wstring& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

std::vector<std::wstring> SubkeyNames(HKEY key)
{
    std::vector<std::wstring> names;
    for (DWORD i = 0;; ++i) {
        WCHAR name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ReadNode(HKEY key, RegKeyBackup::Node* node)
{
    for (DWORD i = 0;; ++i) {
        WCHAR name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        std::string data(size, '\0');
        nameLength = 16384;
        RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                      &size);
        data.resize(size);
        node->values[std::wstring(name, nameLength)] = {type, data};
    }
    for (const std::wstring& name : SubkeyNames(key)) {
        HKEY sub = nullptr;
        if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        ReadNode(sub, &node->keys[name]);
        RegCloseKey(sub);
    }
}

void WriteNode(HKEY key, const RegKeyBackup::Node& node)
{
    for (const auto& value : node.values) {
        RegSetValueExW(key, value.first.empty() ? nullptr : value.first.c_str(), 0,
                       value.second.first,
                       reinterpret_cast<const BYTE*>(value.second.second.data()),
                       static_cast<DWORD>(value.second.second.size()));
    }
    for (const auto& sub : node.keys) {
        HKEY subKey = nullptr;
        if (RegCreateKeyExW(key, sub.first.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &subKey,
                            nullptr) != ERROR_SUCCESS)
            continue;
        WriteNode(subKey, sub.second);
        RegCloseKey(subKey);
    }
}

void DumpNode(const std::string& path, const RegKeyBackup::Node& node, std::string* out)
{
    *out += "[" + path + "]\n";
    for (const auto& value : node.values) {
        char head[32];
        snprintf(head, sizeof head, " type %lu:", static_cast<unsigned long>(value.second.first));
        *out += "  \"" + Narrow(value.first) + "\"" + head;
        for (unsigned char c : value.second.second) {
            char hex[4];
            snprintf(hex, sizeof hex, " %02X", c);
            *out += hex;
        }
        *out += "\n";
    }
    for (const auto& sub : node.keys) DumpNode(path + "\\" + Narrow(sub.first), sub.second, out);
}

}  // namespace

ScratchClass::ScratchClass(const char* tag, bool create)
{
    static unsigned counter;
    char name[64];
    snprintf(name, sizeof name, "nobo.test.%lu.%u.%s", GetCurrentProcessId(), ++counter, tag);
    name_ = name;
    RegTestDeleteTree(name_);  // left behind by a crashed run of the same process id
    if (create) RegTestCreateKey(name_);
}

ScratchClass::~ScratchClass()
{
    RegTestDeleteTree(name_);
}

std::string ScratchClass::operator/(const std::string& relative) const
{
    return name_ + "\\" + relative;
}

RegKeyBackup::RegKeyBackup(const std::string& path) : path_(WidePath(path)), existed_(false)
{
    HKEY key = OpenW(path_, KEY_READ);
    if (!key) return;
    existed_ = true;
    ReadNode(key, &saved_);
    RegCloseKey(key);
}

RegKeyBackup::~RegKeyBackup()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, path_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, path_.c_str());
    if (!existed_) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    WriteNode(key, saved_);
    RegCloseKey(key);
}

ReadOnlyKeys::ReadOnlyKeys(const std::vector<std::string>& paths)
{
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                              &readOnly, nullptr))
        return;
    for (const std::string& path : paths) {
        HKEY key = OpenW(WidePath(path), READ_CONTROL | WRITE_DAC);
        if (!key) continue;
        DWORD size = 0;
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
        std::vector<BYTE> own(size);
        if (size == 0 ||
            RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, own.data(), &size) != ERROR_SUCCESS ||
            RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly) != ERROR_SUCCESS) {
            RegCloseKey(key);
            continue;
        }
        saved_.push_back({key, own});
    }
    LocalFree(readOnly);
}

ReadOnlyKeys::~ReadOnlyKeys()
{
    for (auto& [key, own] : saved_) {
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, own.data());
        RegCloseKey(key);
    }
}

bool RegTestKeyExists(const std::string& path)
{
    HKEY key = OpenW(WidePath(path), KEY_READ);
    if (!key) return false;
    RegCloseKey(key);
    return true;
}

bool RegTestCreateKey(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, WidePath(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool RegTestDeleteTree(const std::string& path)
{
    const std::wstring wide = WidePath(path);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, wide.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, wide.c_str());
    return !RegTestKeyExists(path);
}

bool RegTestSetValue(const std::string& path, const char* name, DWORD type, const std::string& data)
{
    // Wide paths: the ANSI calls refuse paths longer than MAX_PATH under Wine.
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, WidePath(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status =
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool RegTestSetString(const std::string& path, const char* name, const std::string& text)
{
    return RegTestSetValue(path, name, REG_SZ, text + '\0');
}

RegValue RegTestGetValue(const std::string& path, const char* name)
{
    RegValue value = {false, REG_NONE, ""};
    HKEY key = OpenW(WidePath(path), KEY_READ);
    if (!key) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        // The ANSI size of a string may be overstated by the first call.
        std::string data(size + 2, '\0');
        DWORD got = static_cast<DWORD>(data.size());
        if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(&data[0]),
                             &got) == ERROR_SUCCESS) {
            value.exists = true;
            value.data = data.substr(0, got);
        }
    }
    RegCloseKey(key);
    return value;
}

std::string RegTestGetString(const std::string& path)
{
    const RegValue value = RegTestGetValue(path);
    if (!value.exists) return "<missing>";
    std::string text = value.data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::string RegTestSubkeys(const std::string& path)
{
    HKEY key = OpenW(WidePath(path), KEY_READ);
    if (!key) return "<missing>";
    std::string out;
    for (const std::wstring& name : SubkeyNames(key))
        out += (out.empty() ? "" : ",") + Narrow(name);
    RegCloseKey(key);
    return out;
}

std::string RegTestDump(const std::string& path)
{
    HKEY key = OpenW(WidePath(path), KEY_READ);
    if (!key) return "<missing>";
    RegKeyBackup::Node node;
    ReadNode(key, &node);
    RegCloseKey(key);
    std::string out;
    DumpNode(path, node, &out);
    return out;
}

RealKindClasses::RealKindClasses()
{
    const char* const classes[2] = {"*", "directory"};
    for (int i = 0; i < 2; ++i) {
        const std::string named = RegTestGetString(classes[i]);
        target_[i] = (named != "<missing>" && !named.empty() && RegTestKeyExists(named))
                         ? named
                         : classes[i];
        if (!RegTestKeyExists(target_[i])) {
            target_[i].clear();
            continue;
        }
        backups_[i] = std::make_unique<RegKeyBackup>(target_[i] + "\\shell");
        RegTestDeleteTree(VerbPath(i));
    }
}

std::string RealKindClasses::VerbPath(int kind) const
{
    return target_[kind] + "\\shell\\Vellanort.nobo";
}

std::string RealKindClasses::CommandPath(int kind) const
{
    return VerbPath(kind) + "\\command";
}

std::string RealKindClasses::Dump(int kind) const
{
    return RegTestDump(target_[kind] + "\\shell");
}
