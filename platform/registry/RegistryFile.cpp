#include "platform/registry/RegistryFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

#include "platform/registry/RegistryFormat.h"

namespace sorna {
namespace {

// Enough for anyone's hand-kept copies; past it the old file is never overwritten.
constexpr int kMaxKeptCopies = 1000;

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinkHops = 40;

// A temporary file is named after the file it replaces, this mark, its writer's pid, '-' and six
// characters of its own, so that a later save can tell when its writer is gone.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr size_t kTemporaryUniqueLength = 6;

// Far beyond any settings file; a larger one would only exhaust memory.
constexpr off_t kMaxFileSize = off_t{64} << 20;

enum class ReadResult { Read, Missing, Failed };

// A FIFO would block the start, a device or a huge sparse file would never end: only a regular
// file of a settings file's size is read.
bool IsSettingsSizedFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxFileSize;
}

// Reads up to the end, failing past kMaxFileSize should the file grow meanwhile.
ReadResult ReadUpToLimit(int fd, std::string& text) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            text.append(buffer, static_cast<size_t>(got));
            if (text.size() > static_cast<size_t>(kMaxFileSize)) {
                return ReadResult::Failed;
            }
        } else if (got == 0) {
            return ReadResult::Read;
        } else if (errno != EINTR) {
            return ReadResult::Failed;
        }
    }
}

ReadResult ReadWholeFile(const std::filesystem::path& file, std::string& text) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Failed;
    }
    const ReadResult result =
        IsSettingsSizedFile(fd) ? ReadUpToLimit(fd, text) : ReadResult::Failed;
    ::close(fd);
    return result;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A replacement keeps the permission bits of the file it replaces; a new file is its owner's alone.
void TakePermissions(int fd, const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        static_cast<void>(::fchmod(fd, status.st_mode & 07777));
    }
}

// How the names of the temporary files beside target start.
std::string TemporaryNamePrefix(const std::filesystem::path& target) {
    return target.filename().string() + std::string(kTemporaryMark);
}

// Writes text to a new file beside target and returns its name, or an empty string.
std::string WriteTemporaryFile(const std::filesystem::path& target, std::string_view text) {
    std::string name = (target.parent_path() / TemporaryNamePrefix(target)).string() +
                       std::to_string(::getpid()) + '-' + std::string(kTemporaryUniqueLength, 'X');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    TakePermissions(fd, target);
    bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written) {
        ::unlink(name.c_str());
        return {};
    }
    return name;
}

// The pid of the writer of a temporary file named name, when name has prefix and the rest of a
// temporary file's name; 0 otherwise.
pid_t WriterOfTemporaryFile(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return 0;
    }
    name.remove_prefix(prefix.size());
    pid_t writer = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), writer);
    const std::string_view unique(end, static_cast<size_t>(name.data() + name.size() - end));
    const bool named = error == std::errc() && unique.size() == kTemporaryUniqueLength + 1 &&
                       unique.front() == '-';
    return named && writer > 0 ? writer : 0;
}

bool IsRunning(pid_t process) {
    return ::kill(process, 0) == 0 || errno == EPERM;
}

// Removes the temporary files beside target that saves killed before their rename left behind.
// The file of a writer that still runs may be its save in progress, so it stays.
void RemoveLeftoverTemporaryFiles(const std::filesystem::path& target) {
    const std::string prefix = TemporaryNamePrefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(target.parent_path(), error), end;
         !error && entry != end; entry.increment(error)) {
        const pid_t writer = WriterOfTemporaryFile(entry->path().filename().string(), prefix);
        if (writer > 0 && !IsRunning(writer)) {
            ::unlink(entry->path().c_str());
        }
    }
}

// Makes a rename inside folder durable.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Where a chain of symbolic links from file ends (there or in nothing yet), so that a save
// replaces the file the links lead to instead of the first link; nullopt for a loop.
std::optional<std::filesystem::path> LinkChainEnd(std::filesystem::path file) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error) {
            return file;  // no link, or nothing there
        }
        file = file.parent_path() / target;  // an absolute target replaces the whole path
    }
    return std::nullopt;
}

std::filesystem::path KeptCopyName(const std::filesystem::path& file, int attempt) {
    std::string name = file.string();
    if (attempt > 0) {
        name += '.';
        name += std::to_string(attempt);
    }
    return name + ".bad";
}

}  // namespace

RegistryFileContents ReadRegistryFile(const std::filesystem::path& file,
                                      std::u16string_view rootName,
                                      const RegistryValueFilter& unwanted) {
    RegistryFileContents contents{RegistryKeyNode(std::u16string(rootName))};
    std::string text;
    switch (ReadWholeFile(file, text)) {
        case ReadResult::Missing:
            break;
        case ReadResult::Failed:
            contents.mustLeaveOldFile = true;
            break;
        case ReadResult::Read:
            contents.mustKeepOldFile = !ParseRegistryText(text, contents.root, unwanted);
            break;
    }
    return contents;
}

bool KeepBadRegistryFile(const std::filesystem::path& file) {
    for (int attempt = 0; attempt < kMaxKeptCopies; ++attempt) {
        const std::filesystem::path copy = KeptCopyName(file, attempt);
        // A hard link keeps the old file without a moment in which file itself is missing; of a
        // linked file it keeps the file the save replaces, not the link.
        if (::linkat(AT_FDCWD, file.c_str(), AT_FDCWD, copy.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno == ENOENT) {
            return true;
        }
        if (errno == EEXIST) {
            continue;
        }
        std::error_code error;
        if (std::filesystem::copy_file(file, copy, std::filesystem::copy_options::none, error)) {
            return true;
        }
        if (error != std::errc::file_exists) {
            return false;
        }
    }
    return false;
}

bool ReplaceRegistryFile(const std::filesystem::path& file, std::string_view text) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const std::optional<std::filesystem::path> target = LinkChainEnd(file);
    if (!target) {
        return false;
    }
    RemoveLeftoverTemporaryFiles(*target);
    const std::string temporary = WriteTemporaryFile(*target, text);
    if (temporary.empty()) {
        return false;
    }
    if (::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target->parent_path());
    return true;
}

}  // namespace sorna
