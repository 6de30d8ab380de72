#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileSystem.h"

namespace sorna {

MappedFile::~MappedFile() {
    guard_.reset();
    if (view_ != nullptr) {
        munmap(view_, size_);
    }
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

bool MappedFile::Open(std::u16string_view path) {
    const auto native = NativePath(path);
    if (!native) {
        lastError_ = ENOENT;
        return false;
    }
    // Non-blocking, so that opening a named pipe returns at once instead of waiting for a writer.
    descriptor_ = open(native->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    lastError_ = descriptor_ < 0 ? errno : 0;
    return descriptor_ >= 0;
}

bool MappedFile::CreateMapping() {
    struct stat status {};
    if (fstat(descriptor_, &status) != 0) {
        lastError_ = errno;
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        lastError_ = EINVAL;
        return false;
    }
    size_ = static_cast<uint64_t>(status.st_size);
    return true;
}

bool MappedFile::MapView() {
    if (size_ == 0) {
        return true;
    }
    void* view = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, descriptor_, 0);
    if (view == MAP_FAILED) {
        lastError_ = errno;
        return false;
    }
    view_ = view;
    // The decoders read front to back once.
    madvise(view_, size_, MADV_SEQUENTIAL);
    guard_.emplace(view_, size_);
    return true;
}

std::span<const uint8_t> MappedFile::Bytes() const {
    if (view_ == nullptr) {
        return {};
    }
    return {static_cast<const uint8_t*>(view_), static_cast<size_t>(size_)};
}

}  // namespace sorna
