// A file is replaced whole or not at all: a failure between writing the new bytes and the
// rename leaves the old file as it was and no temporary file behind.

#include "model/FileReplacement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace velt {
namespace {

namespace fs = std::filesystem;

std::string bytes(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileReplacementTest : public ::testing::Test {
  protected:
    FileReplacementTest()
        : folder(fs::temp_directory_path() / ("velt-replace-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
        std::ofstream(target, std::ios::binary) << "stary plik";
    }
    ~FileReplacementTest() override { fs::remove_all(folder); }

    bool onlyTheTarget() const {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 1;
    }

    fs::path folder;
    fs::path target = folder / "linia.json";
};

TEST_F(FileReplacementTest, AFailureBeforeTheRenameLeavesTheOldFileWhole) {
    {
        FileReplacement file(target.string());
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("nowa zawartość, której nikt nie zobaczy"));
        ASSERT_TRUE(file.flush());
        // The program ends here: no rename.
    }
    EXPECT_EQ(bytes(target), "stary plik");
    EXPECT_TRUE(onlyTheTarget());
}

TEST_F(FileReplacementTest, ACommitReplacesTheFileWhole) {
    ASSERT_TRUE(replaceFile(target.string(), "nowy plik"));
    EXPECT_EQ(bytes(target), "nowy plik");
    EXPECT_TRUE(onlyTheTarget());
    // A folder of the target's name is never replaced, a missing folder never created.
    fs::create_directories(folder / "katalog");
    EXPECT_FALSE(replaceFile((folder / "katalog").string(), "x"));
    EXPECT_FALSE(replaceFile((folder / "brak" / "x.txt").string(), "x"));
    EXPECT_TRUE(fs::is_directory(folder / "katalog"));
}

} // namespace
} // namespace velt
