#include "model/Cp1250.h"
#include "model/FileNames.h"
#include "model/TextSlots.h"

#include <gtest/gtest.h>

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
