#include "model/FileReplacement.h"

#include <filesystem>

namespace velt {

namespace fs = std::filesystem;

FileReplacement::FileReplacement(std::string name)
    : name_(std::move(name)), temp_(name_ + ".~velt") {}

FileReplacement::~FileReplacement() {
    if (!committed_) {
        out_.close();
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
    out_.open(temp_, std::ios::binary | std::ios::trunc);
    return out_.is_open();
}

bool FileReplacement::write(const std::string& bytes) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out_.flush();
    return static_cast<bool>(out_);
}

bool FileReplacement::commit() {
    out_.close();
    if (out_.fail()) {
        return false;
    }
    std::error_code error;
    fs::rename(temp_, name_, error);
    committed_ = !error;
    return committed_;
}

bool replaceFile(const std::string& name, const std::string& bytes) {
    FileReplacement file(name);
    return file.open() && file.write(bytes) && file.commit();
}

} // namespace velt
