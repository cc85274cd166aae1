#include "results/Report.h"

#include "model/TextSlots.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>

#include <sys/mount.h>
#include <unistd.h>

namespace velt {
namespace {

const std::string kStars(64, '*');

// A hand-filled result: S12 with one ground wire and two shield wires, an electric profile
// of three points along a horizontal line, the tower axis at 50 in profile coordinates.
std::unique_ptr<FieldProfile> electricProfile() {
    auto f = std::make_unique<FieldProfile>();
    f->resultVoltage = 110.0;
    copyText(f->resultComment, sizeof f->resultComment, "Próba", kMaxCommentLength);
    copyText(f->resultTowerSeries, sizeof f->resultTowerSeries, "S12", 15);
    copyText(f->resultTowerType, sizeof f->resultTowerType, "P", 15);
    f->resultPhaseConductorCount = 3;
    f->resultGroundWireCount = 1;
    f->resultShieldWireCount = 2;
    f->resultConductorCount = 6;
    f->resultPhaseRadius = 0.008;
    f->resultPhaseSpacing = 1.0;
    f->resultPhaseBundleSize = 1;
    f->resultGroundRadius = 0.0065;
    f->resultGroundSpacing = 1.0;
    f->resultGroundBundleSize = 1;
    f->resultShieldRadius = 0.01;
    f->resultShieldSpacing = 1.0;
    f->resultShieldBundleSize = 1;
    const double x[] = {0, 47.4, 53.4, 52.6, 50.0, 40.0, 62.5};
    const double y[] = {0, 10.0, 10.0, 13.2, 14.0, 9.0, 9.5};
    for (int i = 1; i <= 6; ++i) {
        f->resultConductorX[i] = x[i];
        f->resultConductorY[i] = y[i];
    }
    f->resultAxisX = 50.0;
    f->resultAxisOffset = 50.0;
    f->resultPointY = 2.0;
    f->resultRange = 1.0;
    f->resultStep = 0.5;
    f->profilePointCount = 3;
    const double positions[] = {0, 49.5, 50.0, 50.5};
    const double values[] = {0, 1.23456, 2.5, 0.1};
    for (int i = 1; i <= 3; ++i) {
        f->resultPosition[i] = positions[i];
        f->resultValue[i] = values[i];
    }
    return f;
}

std::string reportOf(const FieldProfile& f) {
    std::ostringstream out;
    writeReportText(out, f);
    return out.str();
}

std::string after(const std::string& text, const std::string& marker) {
    const auto at = text.find(marker);
    return at == std::string::npos ? std::string() : text.substr(at);
}

TEST(Report, WholeElectricReportAlongAHorizontalLine) {
    const std::string expected =
        "Obliczenia pola elektrycznego i magnetycznego linii u = 110.0 kv\n" + kStars +
        "\n"
        "Komentarz: Próba\n" +
        kStars +
        "\n"
        "Slup: seria S12\t typ P\n"
        "------------------------------\n\n"
        "Liczba przewodow roboczych lpr = 3\n\n"
        "Parametry przewodu roboczego:\n"
        "r =  0.0080 m\ts =  1.00 m\tn1 = 1 szt\n\n"
        "Wysokosci przewodow roboczych nad ziemia:\n"
        " 10.0   10.0   13.2  \n\n"
        "Odleglosci przewodow roboczych od osi y:\n"
        " -2.6    3.4    2.6  \n\n"
        "Liczba przewodow odgromowych  lpo = 1\n"
        "Parametry przewodu odgromowego:\n"
        "r =  0.0065 m\ts =  1.00 m\tn1 = 1 szt\n\n"
        "Wysokosci przewodow odgromowych nad ziemia:\n"
        " 14.0  \n\n"
        "Odleglosci przewodow odgromowych od osi y:\n"
        "  0.0  \n\n"
        "Liczba przewodow ekranujących  lpe = 2\n"
        "Parametry przewodu ekranujacego:\n"
        "r =  0.0100 m\ts =  1.00 m\tn1 = 1 szt\n\n"
        "Wysokosci przewodow ekranujacych nad ziemia:\n"
        "  9.0    9.5  \n\n"
        "Odleglosci przewodow ekranujacych od osi y:\n"
        "-10.0   12.5  \n\n"
        "****** Pole elektryczne ******\n\n\n"
        "Oś słupa: 0.000000 (m)\n\n"
        "Natezenie pole obliczane jest na wysokosci y =   2.00 m\n\n\n\n\n"
        "                x(m)       ks(kv/m)\n"
        "               -0.5        1.23456\n"
        "                0.0        2.50000\n"
        "                0.5        0.10000\n";
    EXPECT_EQ(reportOf(*electricProfile()), expected);
}

TEST(Report, OptionalBlocksAreLeftOut) {
    auto f = electricProfile();
    copyText(f->resultComment, sizeof f->resultComment, "", kMaxCommentLength);
    f->resultGroundWireCount = 0;
    f->resultShieldWireCount = 0;
    f->resultConductorCount = 3;
    const std::string text = reportOf(*f);
    // The tower line follows the first asterisk line directly.
    EXPECT_NE(text.find("kv\n" + kStars + "\nSlup: seria S12"), std::string::npos);
    EXPECT_EQ(text.find("Komentarz"), std::string::npos);
    EXPECT_NE(text.find("  2.6  \n\n****** Pole elektryczne"), std::string::npos);
}

TEST(Report, MagneticTablesAndCurrents) {
    auto f = electricProfile();
    f->resultFieldKind = true;
    f->resultCircuitMode = 1;
    f->resultMaxCurrent1 = 650.0;
    f->resultMaxCurrent2 = 400.0;
    for (int i = 1; i <= 3; ++i) {
        f->resultPositionH[i] = f->resultPosition[i] + 10.0;
        f->resultPosition[i] = 2.0; // a magnetic horizontal profile keeps the height here
        f->resultValueX[i] = 1.0 / i;
        f->resultValueY[i] = -2.0 * i;
    }
    std::string text = reportOf(*f);
    EXPECT_EQ(after(text, "****** Pole"),
              "****** Pole magnetyczne ******\n\n\n"
              "Maksymalna wartość prądu fazowego i1 =     650.00 [A]\n"
              "Oś słupa: 0.000000 (m)\n\n"
              "Natezenie pole obliczane jest na wysokosci y =   2.00 m\n\n\n\n\n"
              "       x(m)      kx(A/m)       ky(A/m)        kw(A/m)\n"
              "       9.5       1.00000      -2.00000        1.23456\n"
              "      10.0       0.50000      -4.00000        2.50000\n"
              "      10.5       0.33333      -6.00000        0.10000\n");

    f->resultCircuitMode = 2;
    f->resultLineKind = true;
    f->resultLineX = 12.5;
    f->resultTowerShifted = true; // the axis is printed without the offset
    text = reportOf(*f);
    EXPECT_EQ(after(text, "Maksymalne"),
              "Maksymalne wartosci pradow fazowych w obu torach I1 =     650.00  I2 =     400.00 "
              "[A]\n"
              "Oś słupa: 50.000000 (m)\n\n"
              "Natezenie pola jest obliczane w odleglosci x =  12.50 m od osii linii\n\n\n\n\n"
              "       y(m)      kx(A/m)       ky(A/m)        kw(A/m)\n"
              "       2.0         1.000        -2.000          1.235\n"
              "       2.0         0.500        -4.000          2.500\n"
              "       2.0         0.333        -6.000          0.100\n");
}

TEST(Report, ElectricVerticalLinePrintsHeightsAsStored) {
    auto f = electricProfile();
    f->resultLineKind = true;
    f->resultLineX = 3.0;
    EXPECT_EQ(after(reportOf(*f), "Natezenie"),
              "Natezenie pola jest obliczane w odleglosci x =   3.00 m od osii linii\n\n\n\n\n"
              "                y(m)       ks(kv/m)\n"
              "               49.5          1.235\n"
              "               50.0          2.500\n"
              "               50.5          0.100\n");
}

TEST(Report, SurfaceResults) {
    auto f = electricProfile();
    f->resultOnConductors = true;
    f->maxSurfaceGradient = 14.389;
    EXPECT_EQ(after(reportOf(*f), "Maksymalna"), "Maksymalna wartosc natezenia pola elektrycznego\n"
                                                 "na powierzchni przewodow wynosi:\n"
                                                 "Emx = 14.39 kV/cm\n\n\n\n\n");

    f->interferenceComputed = true;
    const double levels[] = {25.821, 36.98, -3.5, 137.05, 0.0};
    std::copy(std::begin(levels), std::end(levels), f->interferenceLevel);
    EXPECT_EQ(after(reportOf(*f), "Emx"), "Emx = 14.39 kV/cm\n\n\n\n\n"
                                          "Poziom zaklocen w/g kolejnych wzorow [dB]\n"
                                          "1.    25.82\n"
                                          "2.    36.98\n"
                                          "3.    -3.50\n"
                                          "4.   137.05\n"
                                          "5.     0.00\n\n");

    f->resultFieldKind = true;
    f->maxSurfaceGradient = 0.0456;
    const std::string text = reportOf(*f);
    EXPECT_EQ(after(text, "Maksymalna"), "Maksymalna wartosc indukcji magnetycznej na "
                                         "powierzchni przewodow wynosi:\nEmx=  0.05 mT\n");
    EXPECT_EQ(text.find("Oś słupa"), std::string::npos);
}

// The quotient 70 / 0.35 comes out a little below 200: the table still has the 201 points
// of the profile.
TEST(Report, RowCountMatchesThePointsOfThePass) {
    auto f = electricProfile();
    f->resultRange = 70.0;
    f->resultStep = 0.005 * 70.0;
    ASSERT_LT(f->resultRange / f->resultStep, 200.0);
    EXPECT_EQ(reportRowCount(*f), 201);
    f->resultRange = 100.0;
    f->resultStep = 0.5;
    EXPECT_EQ(reportRowCount(*f), 201);
    // A record whose range and step cannot make a profile prints no rows.
    f->resultStep = 0.0;
    EXPECT_EQ(reportRowCount(*f), 0);
    f->resultRange = 1e300;
    f->resultStep = 1e-300;
    EXPECT_EQ(reportRowCount(*f), 0);
}

TEST(Report, ConductorCountsBeyondTheArraysAreNotFollowed) {
    auto f = electricProfile();
    f->resultPhaseConductorCount = 500;
    f->resultConductorCount = 4000000000u;
    f->resultGroundWireCount = 1;
    f->resultShieldWireCount = 2;
    const std::string text = reportOf(*f);
    EXPECT_NE(text.find("lpr = 500"), std::string::npos);
    EXPECT_NE(text.find("lpe = 2"), std::string::npos);
}

struct ReportFile : ::testing::Test {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velt-report-" + std::to_string(::getpid()));
    std::vector<std::string> messages;
    std::function<void(const std::string&)> sink = [this](const std::string& m) {
        messages.push_back(m);
    };
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    static std::string bytesOf(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(ReportFile, WindowsTextWithTheExtensionReplaced) {
    auto f = electricProfile();
    ASSERT_TRUE(writeReport((dir / "wynik.gif").string(), *f, sink));
    EXPECT_TRUE(messages.empty());
    const std::string bytes = bytesOf(dir / "wynik.txt");
    EXPECT_NE(bytes.find("Komentarz: Pr\xF3"
                         "ba\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("O\x9C s\xB3upa: 0.000000 (m)\r\n\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("przewodow ekranuj\xB9"
                         "cych  lpe"),
              std::string::npos);
    std::size_t bareLineFeeds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bareLineFeeds += bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
    }
    EXPECT_EQ(bareLineFeeds, 0u);

    // A name without an extension gets one; an existing report is overwritten.
    copyText(f->resultComment, sizeof f->resultComment, "", kMaxCommentLength);
    ASSERT_TRUE(writeReport((dir / "wynik").string(), *f, sink));
    EXPECT_EQ(bytesOf(dir / "wynik.txt").find("Komentarz"), std::string::npos);
}

TEST_F(ReportFile, FilesThatCannotBeWrittenAreReported) {
    auto f = electricProfile();
    const std::string missing = (dir / "brak" / "wynik.dat").string();
    EXPECT_FALSE(writeReport(missing, *f, sink));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "NIE MOGE UTWORZYC PLIKU: " + (dir / "brak" / "wynik.txt").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "brak"));

    // A folder of the report's name stays a folder.
    messages.clear();
    std::filesystem::create_directories(dir / "katalog.txt");
    EXPECT_FALSE(writeReport((dir / "katalog").string(), *f, sink));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "katalog.txt"));
}

// A full disk: the report is refused and the earlier report of that name stays whole.
TEST_F(ReportFile, AFullDiskKeepsTheEarlierReport) {
    const std::filesystem::path small = dir / "maly";
    std::filesystem::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "a small file system cannot be mounted here";
    }
    struct Unmount {
        const std::filesystem::path& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{small};
    auto f = electricProfile();
    ASSERT_TRUE(writeReport((small / "wynik").string(), *f, sink));
    const std::string earlier = bytesOf(small / "wynik.txt");
    {
        std::ofstream filler(small / "wypelnienie", std::ios::binary);
        const std::string block(1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
            filler.flush();
        }
    }
    copyText(f->resultComment, sizeof f->resultComment, "Inny komentarz", kMaxCommentLength);
    EXPECT_FALSE(writeReport((small / "wynik").string(), *f, sink));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(bytesOf(small / "wynik.txt"), earlier);
    EXPECT_FALSE(std::filesystem::exists(small / "wynik.txt.~velt"));
}

// A Polish locale set by the caller, for C functions and for streams, changes nothing:
// no decimal commas, no digit grouping.
TEST(Report, SameTextUnderAPolishLocale) {
    const auto f = electricProfile();
    const std::string classic = reportOf(*f);
    if (std::setlocale(LC_ALL, "pl_PL.UTF-8") == nullptr) {
        GTEST_SKIP() << "pl_PL.UTF-8 is not installed (scripts/setup generates it)";
    }
    const std::locale previous = std::locale::global(std::locale("pl_PL.UTF-8"));
    const std::string polish = reportOf(*f);
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(polish, classic);
    EXPECT_NE(classic.find("2.500"), std::string::npos);
}

} // namespace
} // namespace velt
