#pragma once
// Keys under HKEY_CLASSES_ROOT for tests, through the plain registry API (code
// page 932 names), never the program's own wrappers.
#include <windows.h>

#include <string>
#include <vector>

// Every key and value of the subtree, sorted and "; "-separated: "sub\\" for a
// key, "sub\\name=type:bytes" for a value (bytes below 0x20 as \xNN), the
// subtree skip left out. "" when the key is missing. Equal dumps: equal trees.
std::string RegDump(const std::string& path, const std::string& skip = "");
// Creates the key; with a type, also sets its default value to exactly data.
bool RegPut(const std::string& path, DWORD type = REG_NONE, const std::string& data = "");

// The keys with their subtrees (or their absence), put back exactly when destroyed.
class RegSaved {
public:
    explicit RegSaved(const std::vector<std::string>& paths);
    ~RegSaved();
    struct Item {
        std::string key, name, data;
        DWORD type;
        bool value;
    };

private:
    std::vector<std::pair<std::string, std::vector<Item>>> saved_;
};

// Every key of the subtrees made read-only for everyone, as a standard user
// meets HKEY_CLASSES_ROOT (Wine checks access only where a key is opened, not
// on the parent a subkey is created under), until destroyed.
class RegReadOnly {
public:
    explicit RegReadOnly(const std::vector<std::string>& roots);
    ~RegReadOnly();

private:
    std::vector<HKEY> keys_;  // opened before the lock: they can unlock
};
