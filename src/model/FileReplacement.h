#pragma once
// A file replaced whole goes through a temporary file in the same folder that is renamed
// over it, so a crash or a full disk never leaves it half written.

#include <fstream>
#include <string>

namespace velt {

class FileReplacement {
  public:
    explicit FileReplacement(std::string name);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    /// Removes the temporary file unless it was committed.
    ~FileReplacement();

    bool open();
    bool write(const std::string& bytes);
    /// Closes the temporary file and renames it over the target.
    bool commit();

  private:
    std::string name_;
    std::string temp_;
    std::ofstream out_;
    bool committed_ = false;
};

/// Replaces `name` by `bytes` through a FileReplacement; false when any step failed, the
/// earlier file then being as it was.
bool replaceFile(const std::string& name, const std::string& bytes);

} // namespace velt
