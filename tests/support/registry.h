#pragma once
// Real keys under HKEY_CLASSES_ROOT for tests, read and written with the plain
// registry API (never the program's own wrappers). Paths are relative to
// HKEY_CLASSES_ROOT, in code page 932.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// A class key whose name no other test uses, removed with everything in it.
class ScratchClass {
public:
    // create false reserves only the name (a class without a key); whatever
    // appears under it is still removed at the end.
    explicit ScratchClass(const char* tag = "c", bool create = true);
    ~ScratchClass();
    ScratchClass(const ScratchClass&) = delete;
    ScratchClass& operator=(const ScratchClass&) = delete;

    const std::string& Name() const
    {
        return name_;
    }
    const char* c_str() const
    {
        return name_.c_str();
    }
    // Name() + "\\" + relative
    std::string operator/(const std::string& relative) const;

private:
    std::string name_;
};

// Saves a key with its whole subtree (or that it is missing) and puts it back
// exactly so when destroyed.
class RegKeyBackup {
public:
    explicit RegKeyBackup(const std::string& path);
    ~RegKeyBackup();
    RegKeyBackup(const RegKeyBackup&) = delete;
    RegKeyBackup& operator=(const RegKeyBackup&) = delete;

    struct Node {
        std::map<std::wstring, std::pair<DWORD, std::string>> values;  // name: type, raw bytes
        std::map<std::wstring, Node> keys;
    };

private:
    std::wstring path_;
    bool existed_;
    Node saved_;
};

// The keys (those that exist) made read-only for everyone, as a standard user
// meets HKEY_CLASSES_ROOT; their own access comes back when destroyed. Wine
// checks a key's access only where it is opened, not on the parent a subkey
// is created under: list every key the program opens.
class ReadOnlyKeys {
public:
    explicit ReadOnlyKeys(const std::vector<std::string>& paths);
    ~ReadOnlyKeys();
    ReadOnlyKeys(const ReadOnlyKeys&) = delete;
    ReadOnlyKeys& operator=(const ReadOnlyKeys&) = delete;

private:
    // Opened before the lock, so each can still set its access back.
    std::vector<std::pair<HKEY, std::vector<BYTE>>> saved_;
};

struct RegValue {
    bool exists;
    DWORD type;
    std::string data;  // as the ANSI call returns it (a stored terminator included)
};

bool RegTestKeyExists(const std::string& path);
bool RegTestCreateKey(const std::string& path);
// Deletes the key and its subtree; true when it is gone afterwards.
bool RegTestDeleteTree(const std::string& path);
// Creates the key if needed. name nullptr: the default value.
bool RegTestSetValue(const std::string& path, const char* name, DWORD type,
                     const std::string& data);
// REG_SZ with its terminator.
bool RegTestSetString(const std::string& path, const char* name, const std::string& text);
RegValue RegTestGetValue(const std::string& path, const char* name = nullptr);
// The default value's text without its terminator, or "<missing>".
std::string RegTestGetString(const std::string& path);
// The names of the direct subkeys, sorted and comma-separated.
std::string RegTestSubkeys(const std::string& path);
// Every key and value of the subtree with types and raw stored bytes, one per
// line, sorted; "<missing>" when the key does not exist. Equal dumps mean a
// byte-for-byte equal subtree.
std::string RegTestDump(const std::string& path);

// The real "*" and "directory" classes, each followed once through a default
// value that names another class as the program does. Their shell keys are
// saved and stripped of the program's entry; destroyed, they are put back.
class RealKindClasses {
public:
    RealKindClasses();
    RealKindClasses(const RealKindClasses&) = delete;
    RealKindClasses& operator=(const RealKindClasses&) = delete;

    // Where kind 0 (files) and 1 (folders) keep their entry; empty when the
    // class is missing from the prefix.
    const std::string& Target(int kind) const
    {
        return target_[kind];
    }
    std::string VerbPath(int kind) const;     // <target>\shell\Vellanort.nobo
    std::string CommandPath(int kind) const;  // ...\command
    std::string Dump(int kind) const;         // RegTestDump of the shell key

private:
    std::string target_[2];
    std::unique_ptr<RegKeyBackup> backups_[2];
};
