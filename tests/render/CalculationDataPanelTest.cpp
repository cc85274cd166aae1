#include "render/CalculationDataPanel.h"
#include "render/CalculationDataPainter.h"

#include "RenderFixtures.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace velt {
namespace {

using testing::FixedMeasure;

std::vector<std::string> textsOf(const std::vector<PanelText>& panel) {
    std::vector<std::string> texts;
    for (const PanelText& t : panel) {
        texts.push_back(t.placed.text);
    }
    return texts;
}

// The line data as the calculation starts: Z52 at 12 / 30 m, the building typed at 25 m
// while the tower stands shifted by 5 m.
std::unique_ptr<LineProject> z52WithBuilding() {
    auto p = std::make_unique<LineProject>();
    copyText(p->towerSeries, sizeof p->towerSeries, "Z52", 15);
    copyText(p->towerType, sizeof p->towerType, "P", 15);
    p->phaseConductorCount = 6;
    p->conductorY[1] = 12.0;
    p->conductorY[7] = 30.0;
    p->lineCoordinate = 2.0;
    p->towerShift = 5.0;
    p->buildingPresent = true;
    p->buildingFrontX = 25.0;
    p->buildingFrontY = 8.5;
    p->buildingRoofX = 35.0;
    p->buildingRoofY = 6.0;
    return p;
}

TEST(CalculationDataPanel, LinesOfTheLineDataWithTheBuildingAsTyped) {
    const auto p = z52WithBuilding();
    const auto panel = calculationDataTexts(*p, FixedMeasure());
    EXPECT_EQ(textsOf(panel),
              (std::vector<std::string>{"Pole elektryczne", "SERIA: Z52", "TYP: P", "h = 12.00[m]",
                                        "ho= 30.00[m]", "Y=2.00[m]",
                                        "BUDYNEK:", "Wsp. szczytu frontu: [m]", "     25.00,8.50",
                                        "Wsp. konca dachu: [m]", "     35.00,6.00"}));
    // One line per height of "W", with no top margin; a gap of two lines before the building.
    const int h = FixedMeasure::lineHeight;
    const int rows[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13};
    for (std::size_t i = 0; i < panel.size(); ++i) {
        EXPECT_EQ(panel[i].placed.at, (PixelPoint{10, rows[i] * h})) << panel[i].placed.text;
    }
    EXPECT_EQ(panel[6].style, TextStyle::BoldUnderlined);
    EXPECT_EQ(panel[7].style, TextStyle::Bold);
    EXPECT_EQ(panel[5].style, TextStyle::Regular);
}

TEST(CalculationDataPanel, WithoutABuildingEndsAtTheCalculationLine) {
    auto p = z52WithBuilding();
    p->buildingPresent = false;
    p->fieldKind = true;
    p->lineKind = true;
    p->lineCoordinate = 15.0;
    const auto texts = textsOf(calculationDataTexts(*p, FixedMeasure()));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.front(), "Pole magnetyczne");
    EXPECT_EQ(texts.back(), "Xd=15.00[m]");
}

TEST(CalculationDataPanel, PaintsBlackTextOnWhite) {
    const auto p = z52WithBuilding();
    QImage image(300, 250, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintCalculationData(painter, image.size(), *p);
    painter.end();
    int black = 0;
    int white = 0;
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            black += image.pixel(x, y) == qRgb(0, 0, 0);
            white += image.pixel(x, y) == qRgb(255, 255, 255);
            red += image.pixel(x, y) == qRgb(255, 0, 0);
        }
    }
    EXPECT_GT(black, 100);
    EXPECT_EQ(red, 0) << "the whole area is filled";
    EXPECT_GT(white, image.width() * image.height() / 2);
}

} // namespace
} // namespace velt
