#include "model/Cp1250.h"
#include "model/FileNames.h"
#include "model/TextSlots.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace velt {
namespace {

TEST(TextEncoding, PolishLettersRoundTrip) {
    const std::string polish = "Oś słupa ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    const std::string encoded = toCp1250(polish);
    EXPECT_EQ(encoded.size(), std::string("Os slupa acelnoszz ACELNOSZZ").size());
    EXPECT_EQ(static_cast<unsigned char>(toCp1250("ś")[0]), 0x9C);
    EXPECT_EQ(static_cast<unsigned char>(toCp1250("ł")[0]), 0xB3);
    EXPECT_EQ(static_cast<unsigned char>(toCp1250("ą")[0]), 0xB9);
    EXPECT_EQ(fromCp1250(encoded), polish);
}

TEST(TextEncoding, UnknownCharactersAndBrokenInput) {
    EXPECT_EQ(toCp1250("€"), "\x80");
    EXPECT_EQ(toCp1250("日"), "?");
    EXPECT_EQ(toCp1250("\xC5"), "?"); // truncated sequence
    EXPECT_EQ(fromCp1250("\x81"), "\xEF\xBF\xBD");
}

TEST(TextEncoding, LineEnds) {
    EXPECT_EQ(toCrLf("a\nb\n\n"), "a\r\nb\r\n\r\n");
}

TEST(FileNames, ExtensionReplacedOrAppended) {
    EXPECT_EQ(replaceExtension("/tmp/wyniki", ".txt"), "/tmp/wyniki.txt");
    EXPECT_EQ(replaceExtension("/tmp/wyniki.dat", ".txt"), "/tmp/wyniki.txt");
    EXPECT_EQ(replaceExtension("/tmp/a.b/wyniki", ".gif"), "/tmp/a.b/wyniki.gif");
    EXPECT_EQ(replaceExtension("x.tar.gz", ".txt"), "x.tar.txt");
}

// Files from other systems carry their extensions in capitals; such a name is kept, and a
// file beside it is found whatever the case of its extension.
TEST(FileNames, ExtensionsInAnyCase) {
    const struct {
        const char* path;
        const char* extension;
        const char* kept;
    } names[] = {{"/tmp/SLUPY.LIN", ".lin", "/tmp/SLUPY.LIN"},
                 {"/tmp/slupy.txt", ".lin", "/tmp/slupy.lin"},
                 {"WIEZE.velt_DATA", ".VELT_data", "WIEZE.velt_DATA"},
                 {"/tmp/a.lin/wieze", ".lin", "/tmp/a.lin/wieze.lin"}};
    for (const auto& n : names) {
        EXPECT_EQ(withExtension(n.path, n.extension), n.kept) << n.path;
    }
    EXPECT_EQ(extensionInCaseOf("W.VELT_DATA", ".VELT_index"), ".VELT_INDEX");
    EXPECT_EQ(extensionInCaseOf("w.velt_data", ".VELT_index"), ".velt_index");
    EXPECT_EQ(extensionInCaseOf("w.VELT_data", ".VELT_index"), ".VELT_index");

    const auto folder =
        std::filesystem::temp_directory_path() / ("velt-names-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "WIEZE.VELT_INDEX") << "x";
    EXPECT_EQ(existingExtensionCase((folder / "WIEZE.VELT_index").string()),
              (folder / "WIEZE.VELT_INDEX").string());
    // Only the extension's case may differ.
    EXPECT_EQ(existingExtensionCase((folder / "wieze.VELT_INDEX").string()),
              (folder / "wieze.VELT_INDEX").string());
    std::filesystem::remove_all(folder);
}

TEST(TextSlots, CopiesWholeCharactersAndPads) {
    char field[8];
    copyText(field, sizeof field, "słupowa linia", 5);
    EXPECT_EQ(textOf(field, sizeof field), "słupo");
    copyText(field, sizeof field, "łłłłłł", 10); // 12 bytes do not fit 7
    EXPECT_EQ(textOf(field, sizeof field), "łłł");
    EXPECT_EQ(field[7], '\0');
    EXPECT_EQ(utf8Length("Oś"), 2u);
    EXPECT_EQ(utf8Prefix("ąbc", 2), "ąb");
}

} // namespace
} // namespace velt
