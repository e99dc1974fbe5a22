#pragma once
// Wine's Recycle Bin is the XDG trash of the Unix side ($XDG_DATA_HOME/Trash).
#include <string>
#include <vector>

// The Windows path of the trash's files folder, or "" when XDG_DATA_HOME is unset.
std::string TrashFilesFolder();
// Contents of every file in the trash (files folder, not recursive into folders).
std::vector<std::string> TrashedContents();
