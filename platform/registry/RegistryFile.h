#pragma once

#include <filesystem>
#include <string_view>

#include "platform/registry/RegistryKeyNode.h"

namespace sorna {

struct RegistryFileContents {
    RegistryKeyNode root;
    // The file exists but did not load completely, so replacing it would lose what it holds.
    bool mustKeepOldFile = false;
    // The file could not be read at all (no regular file, too large, unreadable), so no save may
    // replace it.
    bool mustLeaveOldFile = false;
};

// Reads the file of the root named rootName, without the values `unwanted` names. A missing folder
// or file gives an empty root, and so does one that cannot be read.
RegistryFileContents ReadRegistryFile(const std::filesystem::path& file,
                                      std::u16string_view rootName,
                                      const RegistryValueFilter& unwanted);

// Keeps file (where its links lead) beside itself under the first free name of file.bad,
// file.1.bad, file.2.bad, ... True when it was kept, or when there is no file to keep.
[[nodiscard]] bool KeepBadRegistryFile(const std::filesystem::path& file);

// Replaces file with text: a temporary file in the same folder (created when missing), flushed
// to disk, then renamed over the old one, so a crash at any moment leaves the old or the new. A
// symbolic link stays: the file at the end of its links is replaced. The permission bits stay.
// Temporary files that saves of ended processes left there are removed first.
[[nodiscard]] bool ReplaceRegistryFile(const std::filesystem::path& file, std::string_view text);

}  // namespace sorna
