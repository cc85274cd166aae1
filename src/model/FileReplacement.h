#pragma once
// A file replaced whole goes through a temporary file in the same folder that is flushed to
// the disk and renamed over it, the folder flushed after: a crash, a full disk or a power
// cut never leaves it half written, and a rename that happened stays done.

#include <string>

namespace velt {

class FileReplacement {
  public:
    explicit FileReplacement(std::string name);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    /// Removes the temporary file unless it was committed: the old file stays as it was.
    ~FileReplacement();

    bool open();
    bool write(const std::string& bytes);
    /// Flushes the temporary file to the disk and closes it.
    bool flush();
    /// flush, then renames the temporary file over the target and flushes the folder.
    bool commit();

  private:
    std::string name_;
    std::string temp_;
    int fd_ = -1;
    bool committed_ = false;
};

/// Replaces `name` by `bytes` through a FileReplacement; false when any step failed, the
/// earlier file then being as it was.
bool replaceFile(const std::string& name, const std::string& bytes);

} // namespace velt
