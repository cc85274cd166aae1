// The three catalogue formats on strings: tower records, index lines, old tower lists.
#include "model/TowerRecord.h"
#include "model/BuiltInTowers.h"
#include "model/OldTowerList.h"
#include "model/TowerIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

namespace velt {
namespace {

double doubleAt(const TowerRecordBytes& b, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | b[offset + static_cast<std::size_t>(i)];
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t countAt(const TowerRecordBytes& b, std::size_t offset) {
    return b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
           (static_cast<std::uint32_t>(b[offset + 3]) << 24);
}

void putCount(TowerRecordBytes& b, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

void putDouble(TowerRecordBytes& b, std::size_t offset, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    for (int i = 0; i < 8; ++i)
        b[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(bits >> (8 * i));
}

TowerDefinition z52() {
    TowerDefinition t = builtInTowers()[2];
    t.conductorY[6] = t.conductorY[7] = 40.5; // ground-wire height at saving
    return t;
}

TEST(TowerRecord, FieldsAtTheirOffsetsLittleEndian) {
    const TowerRecordBytes b = encodeTowerRecord(z52());
    EXPECT_EQ(doubleAt(b, 0), 400.0);
    EXPECT_EQ(doubleAt(b, 8), 342.92856);
    EXPECT_EQ(doubleAt(b, 16), 0.032);
    EXPECT_EQ(doubleAt(b, 24), 0.013);
    EXPECT_EQ(doubleAt(b, 32), 1.0);
    EXPECT_EQ(doubleAt(b, 40), 0.4);
    EXPECT_EQ(doubleAt(b, 48), -9.1);          // conductorX[0]
    EXPECT_EQ(doubleAt(b, 48 + 8 * 7), 6.9);   // second ground wire
    EXPECT_EQ(doubleAt(b, 560 + 8 * 2), 15.8); // conductorY[2]
    EXPECT_EQ(doubleAt(b, 560 + 8 * 6), 40.5);
    EXPECT_EQ(std::memcmp(&b[1072], "Z52\0\0\0\0\0", 8), 0);
    EXPECT_EQ(std::memcmp(&b[1080], "ON150\0\0\0\0\0\0\0\0\0\0\0", 16), 0);
    EXPECT_EQ(countAt(b, 1096), 6u);
    EXPECT_EQ(countAt(b, 1100), 2u);
    EXPECT_EQ(countAt(b, 1104), 2u);
    EXPECT_EQ(countAt(b, 1108), 1u);
    EXPECT_EQ(decodeTowerRecord(b), z52());
}

TEST(TowerRecord, TextsCutToTheirFieldsInWindows1250) {
    TowerDefinition t = z52();
    t.towerSeries = "ABCDEFGHI"; // a ninth character is lost
    t.towerType = "Łódź-1234567890123";
    const TowerRecordBytes b = encodeTowerRecord(t);
    EXPECT_EQ(std::memcmp(&b[1072], "ABCDEFGH", 8), 0);
    EXPECT_EQ(b[1080], 0xA3); // Ł in Windows-1250
    EXPECT_EQ(b[1095], 0);    // the type always keeps a terminator
    const auto back = decodeTowerRecord(b);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->towerSeries, "ABCDEFGH");
    EXPECT_EQ(back->towerType, "Łódź-1234567890");
    EXPECT_EQ(storedForm(t).towerSeries, "ABCDEFGH");
    // A type field filled to its end is read to its end.
    TowerRecordBytes full = b;
    std::memset(&full[1080], 'T', 16);
    EXPECT_EQ(decodeTowerRecord(full)->towerType, std::string(16, 'T'));
}

TEST(TowerRecord, SlotsBehindTheConductorsAreNotKept) {
    TowerDefinition t = z52();
    t.conductorX[20] = 5.0;
    t.conductorY[63] = std::numeric_limits<double>::quiet_NaN();
    TowerRecordBytes b = encodeTowerRecord(t);
    EXPECT_EQ(doubleAt(b, 48 + 8 * 20), 0.0);
    putDouble(b, 560 + 8 * 63, std::numeric_limits<double>::infinity());
    EXPECT_EQ(decodeTowerRecord(b), z52()); // garbage there is ignored
}

TEST(TowerRecord, UnusableRecordsAreRefused) {
    const TowerRecordBytes good = encodeTowerRecord(z52());
    const auto refused = [&](auto change) {
        TowerRecordBytes b = good;
        change(b);
        return !decodeTowerRecord(b).has_value();
    };
    EXPECT_TRUE(refused([](auto& b) { putCount(b, 1096, 63); }));          // 63 + 2 > 64
    EXPECT_TRUE(refused([](auto& b) { putCount(b, 1100, 0xFFFFFFFFu); })); // no wrap-around
    EXPECT_FALSE(refused([](auto& b) { putCount(b, 1096, 62); }));         // 62 + 2 = 64
    EXPECT_TRUE(refused([](auto& b) { putCount(b, 1104, 0); }));
    EXPECT_TRUE(refused([](auto& b) { putCount(b, 1108, 17); }));
    EXPECT_FALSE(refused([](auto& b) { putCount(b, 1104, 16); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 16, -0.032); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 32, -1.0); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 40, std::nan("")); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 0, INFINITY); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 48 + 8 * 7, std::nan("")); }));
    EXPECT_TRUE(refused([](auto& b) { putDouble(b, 560 + 8 * 3, -INFINITY); }));

    std::istringstream shortRecord(std::string(1111, '\0'));
    EXPECT_FALSE(readTowerRecord(shortRecord));
}

TEST(TowerIndex, LineFormatAndParsing) {
    EXPECT_EQ(formatIndexLine(1112, "S12", "P"), "[1112]<S12>{P}\r\n");
    EXPECT_EQ(formatIndexLine(0, "Ł1", "ó"), "[0]<\xA3"
                                             "1>{\xF3}\r\n");
    const IndexEntry e = parseIndexLine("  [ 2224 ] < S12 >  {  P\t}");
    EXPECT_TRUE(e.complete);
    EXPECT_EQ(e.offset, 2224);
    EXPECT_EQ(e.series, "S12");
    EXPECT_EQ(e.type, "P");
    EXPECT_EQ(parseIndexLine("[12abc]<A>{B}").offset, 12);
    EXPECT_EQ(parseIndexLine("[abc]<A>{B}").offset, 0);
    EXPECT_EQ(parseIndexLine("[-1112]<A>{B}").offset, -1);
    EXPECT_EQ(parseIndexLine("[99999999999999999999999]<A>{B}").offset, -1);
    EXPECT_EQ(parseIndexLine("[0]<\xA3>{B}").series, "Ł");
    // A line without its brackets names no tower.
    EXPECT_FALSE(parseIndexLine("garbage").complete);
    EXPECT_FALSE(parseIndexLine("[0]<S12>P").complete);
    EXPECT_FALSE(parseIndexLine("[0]>S12<{P}").complete);
    EXPECT_EQ(parseIndexLine("[0]<S12>P").series, "S12");
}

TEST(TowerIndex, LinesReadWithTheProgramsBuffer) {
    const std::string line254(254, 'a');
    const std::string line255(255, 'b');
    std::istringstream in(line254 + "\r\n" + line255 + "\r\n\r\n" + std::string(600, 'c') +
                          "\nlast");
    const std::vector<std::string> lines = readTextLines(in);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], line254);
    EXPECT_EQ(lines[1], line255);
    EXPECT_EQ(lines[2], ""); // the rest of the 255-character line
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], std::string(255, 'c'));
    EXPECT_EQ(lines[5], std::string(255, 'c'));
    EXPECT_EQ(lines[6], std::string(90, 'c'));
    EXPECT_EQ(lines[7], "last");

    std::istringstream index("[0]<S12>{P}\r\n\r\n   \r\n[1112]<H52>{PS}");
    const auto entries = readIndex(index);
    ASSERT_EQ(entries.size(), 3u); // the blank line is not empty: it names no tower
    EXPECT_FALSE(entries[1].complete);
    EXPECT_EQ(entries[2].offset, 1112);
}

TEST(TowerIndex, KeysAnIndexLineCanGiveBack) {
    EXPECT_TRUE(keyFitsIndex("S12", "P"));
    EXPECT_TRUE(keyFitsIndex("Ł<1", "a>b{c"));
    EXPECT_FALSE(keyFitsIndex("", "P"));
    EXPECT_FALSE(keyFitsIndex("S12 ", "P"));
    EXPECT_FALSE(keyFitsIndex("S12", " P"));
    EXPECT_FALSE(keyFitsIndex("S1>2", "P"));
    EXPECT_FALSE(keyFitsIndex("S1{2", "P"));
    EXPECT_FALSE(keyFitsIndex("S12", "P}"));
    EXPECT_FALSE(keyFitsIndex("S\n12", "P"));
}

const char* const kTwoTowers = "#S12#\r\n"
                               "P \r\n"
                               "110,100.429,3,1\r\n"
                               "1,1.0,0.016,1,1.0,0.013\r\n"
                               "-2.6,3.4,2.6,0.0\r\n"
                               "0.0,0.0,3.2\r\n"
                               "\r\n"
                               "# Z52 x\r\n"
                               "ON150\r\n"
                               "400, 342.92856,6,2\r\n"
                               "2,0.4,0.032,1,1.0,0.013\r\n"
                               "-9.1;-9.1;-9.1;9.1;9.1;9.1;-6.9;6.9\r\n"
                               "0.0,7.9,15.8,0.0,7.9,15.8\r\n"
                               "koniec\r\n"
                               "line 15 is ignored\r\n";

TEST(OldTowerList, FifteenLinesGiveTwoTowers) {
    std::istringstream in(kTwoTowers);
    const OldTowerList list = readOldTowerList(in);
    EXPECT_EQ(list.groupCount, 2u);
    ASSERT_EQ(list.towers.size(), 2u);
    TowerDefinition s12 = builtInTowers()[0];
    EXPECT_EQ(list.towers[0], s12);
    const TowerDefinition& z = list.towers[1];
    EXPECT_EQ(z.towerSeries, "Z52");
    EXPECT_EQ(z.towerType, "ON150");
    EXPECT_EQ(z, builtInTowers()[2]); // ground-wire heights 0.0
}

TEST(OldTowerList, GroupsThatCannotBeReadAreSkipped) {
    const std::string good = "#S12#\n"
                             "P\n"
                             "110,100.429,3,1\n"
                             "1,1.0,0.016,1,1.0,0.013\n"
                             "-2.6,3.4,2.6,0.0\n"
                             "0.0,0.0,3.2\n"
                             "\n";
    const auto read = [&](const std::string& changed) {
        std::istringstream in(changed + good);
        return readOldTowerList(in).towers.size();
    };
    const auto with = [&](int line, const std::string& text) {
        std::string group;
        std::istringstream lines(good);
        std::string l;
        for (int i = 1; std::getline(lines, l); ++i)
            group += (i == line ? text : l) + "\n";
        return group;
    };
    EXPECT_EQ(read(good), 2u);
    EXPECT_EQ(read(with(1, "S12#")), 1u);  // no "#"
    EXPECT_EQ(read(with(1, "##12#")), 1u); // a comment
    EXPECT_EQ(read(with(3, "110,100.429,60,5")), 1u);
    EXPECT_EQ(read(with(3, "110,100.429,4294967295,2")), 1u);
    EXPECT_EQ(read(with(3, "110,100.429,3")), 1u);
    EXPECT_EQ(read(with(3, "110,100.429,-3,1")), 1u);
    EXPECT_EQ(read(with(4, "0,1.0,0.016,1,1.0,0.013")), 1u);
    EXPECT_EQ(read(with(4, "1,1.0,-0.016,1,1.0,0.013")), 1u);
    EXPECT_EQ(read(with(5, "-2.6,3.4,2.6")), 1u); // fewer numbers than conductors
    EXPECT_EQ(read(with(6, "0.0,0.0")), 1u);
    EXPECT_EQ(read(with(6, "0.0,nan,3.2")), 1u);
    EXPECT_EQ(read(with(6, "0.0,1e999,3.2")), 1u);
    EXPECT_EQ(read(with(2, "P}")), 1u); // a key no index line could give back
    // An incomplete last group is not read.
    std::istringstream partial(good + "#H52#\nPS\n");
    EXPECT_EQ(readOldTowerList(partial).groupCount, 1u);
}

TEST(OldTowerList, WrittenTowersReadBack) {
    std::vector<TowerDefinition> towers(builtInTowers().begin(), builtInTowers().end());
    towers[1].towerSeries = "Ł52";
    towers[2].conductorX[0] = -9.123456789012345;
    std::ostringstream out;
    ASSERT_TRUE(writeOldTowerList(out, towers));
    EXPECT_EQ(out.str().substr(0, 7), "#S12#\r\n");
    std::istringstream in(out.str());
    const OldTowerList list = readOldTowerList(in);
    EXPECT_EQ(list.groupCount, 3u);
    EXPECT_EQ(list.towers, towers);
}

} // namespace
} // namespace velt
