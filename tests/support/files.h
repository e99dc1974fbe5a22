#pragma once
// Scratch folders with real files, and what a tree of them holds.
#include <string>
#include <vector>

class Scratch {
public:
    // A new, empty folder under the temp folder; tag becomes part of its name.
    explicit Scratch(const char* tag = "t");
    ~Scratch();  // removes it with everything in it
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::string& Path() const
    {
        return path_;
    }
    std::string operator/(const std::string& relative) const
    {
        return path_ + "\\" + relative;
    }

private:
    std::string path_;
};

// Builds entries below root: "a\\b\\" a folder, "a\\f.txt=bytes" a file with
// those bytes (folders on the way made as needed). True when all were made.
bool MakeTree(const std::string& root, const std::vector<std::string>& entries);
// Everything below root in the same notation, sorted and space-separated:
// "a\\ a\\b\\ a\\f.txt=bytes". Equal listings mean equal trees.
std::string ListTree(const std::string& root);
bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole content, or "<missing>".
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Deletes a file or a folder tree; true when nothing is left.
bool RemoveTree(const std::string& path);
// The contents of each file in the Recycle Bin.
std::vector<std::string> BinContents();
// Runs a command of the test bed's own system, Unix, with /bin/sh, on the
// Unix name of a Windows path. True when it ran and exited with 0.
bool RunUnix(const std::string& command, const std::string& path);
