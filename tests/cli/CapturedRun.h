#pragma once
// The in-process runs of velt-calc and its towers commands: exit status and both streams,
// and the files they write read back as bytes.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velt::testing {

struct CapturedRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Calls `entry(args, out, err)` (runVeltCalc or runTowerCommand) with captured streams.
template <class Entry> CapturedRun runCaptured(Entry entry, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CapturedRun r;
    r.status = entry(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

/// The whole file as it is on disk; empty when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace velt::testing
