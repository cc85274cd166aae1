// Catalogue operations on real files in a temporary folder, and on streams that fail.
#include "model/TowerCatalogue.h"
#include "model/BuiltInTowers.h"
#include "model/TowerIndex.h"
#include "model/TowerRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace velt {
namespace {
namespace fs = std::filesystem;

struct ScriptedUi : CatalogueUi {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> statuses;
    bool answer = true;
    std::size_t progress = 0;
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    void setStatus(const std::string& text) override { statuses.push_back(text); }
    void advanceProgress() override { ++progress; }
};

std::string contents(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string recordOf(const TowerDefinition& tower) {
    const TowerRecordBytes b = encodeTowerRecord(tower);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

struct Catalogue : ::testing::Test {
    fs::path dir;
    std::string path; // as the user picked it, with some other extension
    fs::path data;
    fs::path index;
    ScriptedUi ui;
    TowerDefinition s12 = builtInTowers()[0];
    TowerDefinition h52 = builtInTowers()[1];
    TowerDefinition z52 = builtInTowers()[2];

    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("velt-catalogue-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "slupy.txt").string();
        data = dir / "slupy.VELT_data";
        index = dir / "slupy.VELT_index";
    }
    void TearDown() override { fs::remove_all(dir); }

    void makeTwo() {
        ASSERT_EQ(CreateCatalogue(path, s12, ui), CatalogueResult::Done);
        ASSERT_EQ(StoreTower(path, h52, ui), CatalogueResult::Done);
        ui.messages.clear();
    }
};

TEST_F(Catalogue, CreateAddReplaceDeleteSizesAndOffsets) {
    ASSERT_EQ(CreateCatalogue(path, s12, ui), CatalogueResult::Done);
    EXPECT_EQ(ui.messages.back(), "Zapisano słup...");
    EXPECT_EQ(contents(data), recordOf(s12));
    EXPECT_EQ(contents(index), "[0]<S12>{P}\r\n");

    ASSERT_EQ(StoreTower(path, h52, ui), CatalogueResult::Done);
    EXPECT_EQ(ui.messages.back(), "Słup dodany...");
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(contents(data), recordOf(s12) + recordOf(h52));
    EXPECT_EQ(contents(index), "[0]<S12>{P}\r\n[1112]<H52>{PS}\r\n");

    TowerDefinition changed = s12;
    changed.conductorX[0] = -3.0;
    ui.answer = false;
    EXPECT_EQ(StoreTower(path, changed, ui), CatalogueResult::Kept);
    EXPECT_EQ(ui.questions.back(), "Słup już istnieje!\nCzy chcesz go zastąpić?");
    EXPECT_EQ(contents(data), recordOf(s12) + recordOf(h52));
    ui.answer = true;
    ASSERT_EQ(StoreTower(path, changed, ui), CatalogueResult::Replaced);
    EXPECT_EQ(ui.messages.back(), "Słup w pliku zastąpiony...");
    EXPECT_EQ(contents(data), recordOf(changed) + recordOf(h52));
    EXPECT_EQ(contents(index), "[0]<S12>{P}\r\n[1112]<H52>{PS}\r\n");

    const std::size_t shown = ui.messages.size();
    ASSERT_EQ(DeleteTower(path, "S12", "P", ui), CatalogueResult::Done);
    EXPECT_EQ(ui.messages.size(), shown); // no message after a deletion
    EXPECT_EQ(fs::file_size(data), 2224u);
    EXPECT_EQ(contents(index), "[1112]<H52>{PS}\r\n");
    EXPECT_EQ(ReadTower(path, "H52 <-> PS", ui), h52);
    EXPECT_FALSE(ReadTower(path, "S12 <-> P", ui));
    EXPECT_EQ(DeleteTower(path, "S12", "P", ui), CatalogueResult::NotFound);
    EXPECT_EQ(ui.messages.back(), "Podany słup nie istnieje w pliku!");
    EXPECT_TRUE(fs::is_regular_file(index));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    // A new tower after the deletion still goes to the end of the data file.
    ASSERT_EQ(StoreTower(path, z52, ui), CatalogueResult::Done);
    EXPECT_EQ(contents(index), "[1112]<H52>{PS}\r\n[2224]<Z52>{ON150}\r\n");
}

TEST_F(Catalogue, ListingAndReading) {
    EXPECT_TRUE(ListTowers(path, ui).empty());
    EXPECT_TRUE(ui.messages.empty()); // a missing catalogue is silent
    makeTwo();
    writeFile(index, "[0]< S12 >{ P }\r\n\r\ngarbage\r\n[1112]<H52>{PS}");
    EXPECT_EQ(ListTowers(path, ui), (std::vector<std::string>{"S12 <-> P", "H52 <-> PS"}));
    EXPECT_EQ(ReadTower(path, "S12 <-> P", ui), s12);
    EXPECT_EQ(ui.progress, 1u);
    EXPECT_EQ(ReadTower(path, "H52 <-> PS", ui, 2), h52);
    EXPECT_FALSE(ReadTower(path, "H52 <-> PS", ui, 1));
    EXPECT_FALSE(ReadTower(path, "H52 <->  PS", ui));
    EXPECT_TRUE(ui.messages.empty());
    // The key compared when storing is the stored one: the blanks in the index do not hide it.
    ui.answer = false;
    EXPECT_EQ(StoreTower(path, s12, ui), CatalogueResult::Kept);

    writeFile(index, "garbage\r\n\r\n");
    EXPECT_TRUE(ListTowers(path, ui).empty());
    EXPECT_EQ(ui.messages.back(), "Błąd w odczycie danych!\n" + index.string());
}

TEST_F(Catalogue, DamagedDataIsNeverUsed) {
    makeTwo();
    const std::string readError = "Błąd odczytu danych z pliku!\n" + data.string();
    // An offset past the end, a negative one, and a record cut short.
    writeFile(index, "[2224]<S12>{P}\r\n[-1112]<H52>{PS}\r\n");
    EXPECT_FALSE(ReadTower(path, "S12 <-> P", ui));
    EXPECT_EQ(ui.messages.back(), readError);
    EXPECT_FALSE(ReadTower(path, "H52 <-> PS", ui));
    EXPECT_EQ(ui.messages.size(), 2u);
    writeFile(index, "[0]<S12>{P}\r\n[1112]<H52>{PS}\r\n[1112]<H52>{PS}\r\n");
    fs::resize_file(data, 2000);
    EXPECT_FALSE(ReadTower(path, "H52 <-> PS", ui));
    EXPECT_EQ(ui.messages.size(), 4u); // both matching lines tried
    // A record with impossible counts.
    std::string bytes = contents(data).substr(0, 1112);
    bytes[1096] = 70;
    writeFile(data, bytes);
    EXPECT_FALSE(ReadTower(path, "S12 <-> P", ui));
    EXPECT_EQ(ui.messages.back(), readError);
    // Replacing at an offset outside the data file writes nothing.
    writeFile(index, "[5000]<S12>{P}\r\n");
    ui.answer = true;
    EXPECT_EQ(StoreTower(path, s12, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + data.string());
    EXPECT_EQ(fs::file_size(data), 1112u);

    fs::remove(data);
    EXPECT_FALSE(ReadTower(path, "S12 <-> P", ui));
    EXPECT_EQ(ui.messages.back(), "Nie mogę otworzyć pliku!\n" + data.string());
    fs::remove(index);
    EXPECT_FALSE(ReadTower(path, "S12 <-> P", ui));
    EXPECT_EQ(ui.messages.back(), "Nie mogę otworzyć pliku!\n" + index.string());
}

TEST_F(Catalogue, MissingFilesAndRefusedTowers) {
    EXPECT_EQ(DeleteTower(path, "S12", "P", ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Plik z danymi (lub indexem) nie istnieje");
    writeFile(data, "");
    EXPECT_EQ(StoreTower(path, s12, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Nie mogę otworzyć pliku!\n" + index.string());

    TowerDefinition bad = s12;
    bad.phaseConductorCount = 64;
    EXPECT_EQ(CreateCatalogue(path, bad, ui), CatalogueResult::Refused);
    bad = s12;
    bad.towerType = "P}";
    EXPECT_EQ(CreateCatalogue(path, bad, ui), CatalogueResult::Refused);
    EXPECT_EQ(ui.messages.back(), "Błędne dane słupa!");
    EXPECT_EQ(contents(data), "");
    EXPECT_FALSE(fs::exists(index));
}

TEST_F(Catalogue, EightCharacterSeriesAndTheStoredKey) {
    TowerDefinition t = s12;
    t.towerSeries = "ABCDEFGHI";
    ASSERT_EQ(CreateCatalogue(path, t, ui), CatalogueResult::Done);
    EXPECT_EQ(contents(data).substr(1072, 9), "ABCDEFGHP");
    EXPECT_EQ(contents(index), "[0]<ABCDEFGH>{P}\r\n");
    const auto back = ReadTower(path, "ABCDEFGH <-> P", ui);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->towerSeries, "ABCDEFGH");
    // Storing the same tower again finds it under its stored key.
    ui.answer = false;
    EXPECT_EQ(StoreTower(path, t, ui), CatalogueResult::Kept);
}

TEST_F(Catalogue, DeletionRewritesTheIndexWhole) {
    makeTwo();
    writeFile(index, "[0]<S12>{P}\r\n\r\n" + std::string(300, 'x') + "\n[1112]<H52>{PS}");
    ASSERT_EQ(DeleteTower(path, "H52", "PS", ui), CatalogueResult::Done);
    EXPECT_EQ(contents(index), "[0]<S12>{P}\r\n\r\n" + std::string(300, 'x') + "\r\n");
    // The replacement cannot be written: the index stays as it was.
    fs::create_directory(index.string() + ".~velt");
    EXPECT_EQ(DeleteTower(path, "S12", "P", ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + index.string());
    EXPECT_EQ(contents(index), "[0]<S12>{P}\r\n\r\n" + std::string(300, 'x') + "\r\n");
}

TEST_F(Catalogue, AppendAfterAnIndexWithoutFinalLineEnd) {
    makeTwo();
    writeFile(index, "[0]<S12>{P}\r\n[1112]<H52>{PS}");
    ASSERT_EQ(StoreTower(path, z52, ui), CatalogueResult::Done);
    EXPECT_EQ(ListTowers(path, ui),
              (std::vector<std::string>{"S12 <-> P", "H52 <-> PS", "Z52 <-> ON150"}));
    EXPECT_EQ(ReadTower(path, "Z52 <-> ON150", ui), z52);
}

TEST_F(Catalogue, AFullDiskNeverCostsTheOldCatalogue) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    makeTwo();
    const std::string records = contents(data);
    const std::string lines = contents(index);
    const auto unchanged = [&] {
        EXPECT_EQ(contents(data), records);
        EXPECT_EQ(contents(index), lines);
        for (const std::string& m : ui.messages)
            EXPECT_EQ(m.find("Zapisano"), std::string::npos) << m;
    };
    // The replacement files of a catalogue land on a full disk (a failure removes the link).
    const auto full = [](const fs::path& name) {
        fs::create_symlink("/dev/full", name.string() + ".~velt");
    };
    const fs::path old = dir / "stare.lin";
    std::ofstream(old, std::ios::binary) << "#S12#\nP\n110,100.429,3,1\n1,1.0,0.016,1,1.0,0.013\n"
                                            "-2.6,3.4,2.6,0.0\n0.0,0.0,3.2\n\n";
    full(data);
    EXPECT_EQ(CreateCatalogue(path, z52, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Zapis sie nie powiódł!");
    unchanged();
    full(data);
    EXPECT_EQ(ConvertOldCatalogue(old.string(), path, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + data.string());
    unchanged();
    full(index);
    EXPECT_EQ(ConvertOldCatalogue(old.string(), path, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + index.string());
    unchanged();
    full(index);
    EXPECT_EQ(CreateCatalogue(path, z52, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + index.string());
    unchanged();
    full(index);
    EXPECT_EQ(DeleteTower(path, "S12", "P", ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\n" + index.string());
    unchanged();
    EXPECT_FALSE(fs::exists(fs::symlink_status(index.string() + ".~velt")));

    // A replacement that cannot even be created.
    fs::create_directory(index.string() + ".~velt");
    EXPECT_EQ(CreateCatalogue(path, z52, ui), CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Nie mogę otworzyć pliku!\n" + index.string());
    unchanged();
}

// A stream buffer that accepts only so many more bytes.
class FailingBuffer : public std::stringbuf {
  public:
    FailingBuffer(const std::string& text, std::size_t budget)
        : std::stringbuf(text, std::ios::in | std::ios::out), budget_(budget) {}

  protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto allowed = std::min<std::streamsize>(n, static_cast<std::streamsize>(budget_));
        budget_ -= static_cast<std::size_t>(allowed);
        return allowed > 0 ? std::stringbuf::xsputn(s, allowed) : 0;
    }
    int_type overflow(int_type c) override {
        if (budget_ == 0)
            return traits_type::eof();
        --budget_;
        return std::stringbuf::overflow(c);
    }

  private:
    std::size_t budget_;
};

TEST_F(Catalogue, FailedWritesLeaveEarlierRecordsAndLines) {
    const std::string records = recordOf(s12) + recordOf(h52);
    const std::string lines = "[0]<S12>{P}\r\n[1112]<H52>{PS}\r\n";
    const CatalogueFiles names{"d.VELT_data", "i.VELT_index"};
    for (const std::size_t budget : {std::size_t{0}, std::size_t{100}, std::size_t{1111}}) {
        // The new record fails: no index line.
        FailingBuffer dataBuffer(records, budget);
        FailingBuffer indexBuffer(lines, 1000);
        std::iostream dataStream(&dataBuffer);
        std::iostream indexStream(&indexBuffer);
        EXPECT_EQ(StoreTower(indexStream, dataStream, names, z52, ui), CatalogueResult::FileError);
        EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\nd.VELT_data");
        EXPECT_EQ(dataBuffer.str().substr(0, 2224), records);
        EXPECT_EQ(indexBuffer.str(), lines);
    }
    for (const std::size_t budget : {std::size_t{0}, std::size_t{7}}) {
        // The record is written, its index line fails.
        FailingBuffer dataBuffer(records, 2000);
        FailingBuffer indexBuffer(lines, budget);
        std::iostream dataStream(&dataBuffer);
        std::iostream indexStream(&indexBuffer);
        EXPECT_EQ(StoreTower(indexStream, dataStream, names, z52, ui), CatalogueResult::FileError);
        EXPECT_EQ(ui.messages.back(), "Błąd zapisu do pliku!\ni.VELT_index");
        EXPECT_EQ(indexBuffer.str().substr(0, lines.size()), lines);
        EXPECT_EQ(dataBuffer.str(), records + recordOf(z52));
    }
    // A failed replacement leaves the other record as it was.
    FailingBuffer dataBuffer(records, 500);
    FailingBuffer indexBuffer(lines, 0);
    std::iostream dataStream(&dataBuffer);
    std::iostream indexStream(&indexBuffer);
    TowerDefinition changed = h52;
    changed.nominalVoltage = 150.0;
    ui.answer = true;
    EXPECT_EQ(StoreTower(indexStream, dataStream, names, changed, ui), CatalogueResult::FileError);
    EXPECT_EQ(dataBuffer.str().substr(0, 1112), recordOf(s12));
    EXPECT_EQ(indexBuffer.str(), lines);
    for (const std::string& m : ui.messages)
        EXPECT_EQ(m.find("Słup"), std::string::npos) << m; // never reported as stored
}

TEST_F(Catalogue, ConversionOfAnOldTowerList) {
    const fs::path old = dir / "stare.lin";
    const std::string group = "#S12#\r\nP\r\n110,100.429,3,1\r\n1,1.0,0.016,1,1.0,0.013\r\n"
                              "-2.6,3.4,2.6,0.0\r\n0.0,0.0,3.2\r\n\r\n";
    writeFile(old, group + group + "15th line\r\n");
    ASSERT_EQ(ConvertOldCatalogue(old.string(), (dir / "nowe").string(), ui),
              CatalogueResult::Done);
    EXPECT_EQ(ui.messages.back(), "Konwersja zakończona");
    EXPECT_EQ(ui.statuses, (std::vector<std::string>{"Przeszukuję plik...", "Sprawdzam dane..."}));
    EXPECT_EQ(ui.progress, 2u);
    // Duplicates are written twice, in file order; ground-wire heights are 0.0.
    EXPECT_EQ(contents(dir / "nowe.VELT_data"), recordOf(s12) + recordOf(s12));
    EXPECT_EQ(contents(dir / "nowe.VELT_index"), "[0]<S12>{P}\r\n[1112]<S12>{P}\r\n");

    // A missing old file leaves an existing catalogue alone.
    makeTwo();
    EXPECT_EQ(ConvertOldCatalogue((dir / "brak.lin").string(), path, ui),
              CatalogueResult::FileError);
    EXPECT_EQ(ui.messages.back(), "Nie mogę otworzyć pliku!");
    EXPECT_EQ(fs::file_size(data), 2224u);
    EXPECT_EQ(ListTowers(path, ui).size(), 2u);
}

} // namespace
} // namespace velt
