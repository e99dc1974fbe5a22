#pragma once
// Scratch folders with real files for tests, removed with everything in them.
#include <string>
#include <vector>

class ScratchDir {
public:
    // A new, empty folder under the temp folder; its ANSI path has no trailing
    // separator. tag becomes part of the name, to tell runs apart.
    explicit ScratchDir(const char* tag = "t");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const
    {
        return path_;
    }
    // Path() + "\\" + relative
    std::string operator/(const std::string& relative) const;

private:
    std::string path_;
};

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole content, or "<missing>" when the file cannot be opened.
std::string ReadFileBytes(const std::string& path);
bool MakeFolder(const std::string& path);
// Paths past MAX_PATH: the wide calls with the \\?\ prefix on an absolute path.
std::wstring LongPath(const std::string& absolutePath);
bool WriteFileBytes(const std::wstring& longPath, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& longPath);
bool MakeFolder(const std::wstring& longPath);
// Every file below a folder, in its folders too, as long paths.
std::vector<std::wstring> FilesBelow(const std::wstring& longPath);
// Deletes a file or a folder tree, long paths too; true when nothing is left.
bool RemoveTree(const std::string& path);
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
// The names in a folder, sorted, without "." and "..".
std::string ListFolder(const std::string& path);
