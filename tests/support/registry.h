#pragma once
// Keys among the classes for tests, through the plain registry API (read in
// UTF-16), never the program's own wrappers; in the 64-bit view where there
// is one (CLSID from a 32-bit test). A path names a key of the machine's
// classes (HKEY_LOCAL_MACHINE\Software\Classes, which Wine shows as
// HKEY_CLASSES_ROOT), or with a leading "~" of the user's own
// (HKEY_CURRENT_USER\Software\Classes).
#include <windows.h>

#include <string>
#include <vector>

// Every key and value of the subtree, sorted and "; "-separated: "[\\sub]" for a
// key ("[]" itself), "[\\sub]name=type:bytes" for a value (bytes below 0x20 as
// \N; a text's UTF-16 in code page 932, {U+XXXX} beyond it); "" when missing.
// With sub: only what lies in it, or (!in) only what does not. Equal dumps:
// equal trees.
std::string RegDump(const std::string& path, const std::string& sub = "", bool in = false);
// Creates the key; with a type, also sets its default value (path "key>name":
// the value name) to exactly data.
bool RegPut(const std::string& path, DWORD type = REG_NONE, const std::string& data = "");

struct RegItem {
    std::string key, name, data;  // key: "\\sub" below the subtree's root, "" for itself
    DWORD type;                   // REG_...; kKeyItem for the key itself
};
// The subtrees (or their absence), put back exactly when destroyed.
struct RegSaved {
    explicit RegSaved(const std::vector<std::string>& paths);
    ~RegSaved();
    std::vector<std::pair<std::string, std::vector<RegItem>>> saved;
};
// Every key of the subtrees read-only for everyone, as a standard user meets
// the machine's classes (or with sddl other access), until destroyed, when
// each gets its own access back. Wine checks access only where a key is
// opened, not on the parent a subkey is created under: all are locked.
struct RegReadOnly {
    explicit RegReadOnly(const std::vector<std::string>& roots,
                         const char* sddl = "D:P(A;;KR;;;WD)");
    ~RegReadOnly();
    std::vector<HKEY> keys;              // opened before the lock: they can unlock
    std::vector<std::vector<BYTE>> was;  // each one's access before
};
