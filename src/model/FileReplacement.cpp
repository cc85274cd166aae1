#include "model/FileReplacement.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;

// The rename is only lasting once the folder that holds the name is on the disk too.
bool flushFolderOf(const std::string& name) {
    const fs::path parent = fs::path(name).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

FileReplacement::FileReplacement(std::string name)
    : name_(std::move(name)), temp_(name_ + ".~velt") {}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_) {
        std::error_code error;
        fs::remove(temp_, error);
    }
}

bool FileReplacement::open() {
    // A folder of the target's name is never replaced.
    std::error_code error;
    if (fs::is_directory(name_, error)) {
        return false;
    }
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool FileReplacement::write(const std::string& bytes) {
    if (fd_ < 0) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool FileReplacement::flush() {
    if (fd_ < 0) {
        return false;
    }
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return synced && closed;
}

bool FileReplacement::commit() {
    if (!flush()) {
        return false;
    }
    std::error_code error;
    fs::rename(temp_, name_, error);
    committed_ = !error;
    return committed_ && flushFolderOf(name_);
}

bool replaceFile(const std::string& name, const std::string& bytes) {
    FileReplacement file(name);
    return file.open() && file.write(bytes) && file.commit();
}

} // namespace velt
