#include "PixelProbe.h"
#include "controls/ControlError.h"
#include "controls/ShapeRegion.h"

#include <gtest/gtest.h>

namespace {

const QColor kFuchsia(255, 0, 255);

qint64 areaOf(const QRegion& region)
{
    qint64 area = 0;
    for (const QRect& r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

TEST(ShapeRegionTest, FuchsiaCornersAreOutsideAndTheInsideIsWhole)
{
    const QImage face = PixelProbe::Solid({40, 12}, QColor(30, 90, 200), 2);
    const QRegion shape = ShapeRegion::BuildOpaqueRegion(face, kFuchsia, 0);
    for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1), QPoint(39, 0), QPoint(38, 1),
                                QPoint(0, 11), QPoint(39, 11), QPoint(38, 10)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_EQ(areaOf(shape), 40 * 12 - 4 * 4);
    EXPECT_TRUE(shape.contains(QRect(2, 0, 36, 12)));
    EXPECT_TRUE(shape.contains(QRect(0, 2, 40, 8)));
}

struct ToleranceCase
{
    const char* name;
    int tolerance;
    QColor pixel;
    bool cutAway;
};

class ToleranceTest : public ::testing::TestWithParam<ToleranceCase>
{};

TEST_P(ToleranceTest, PixelIsCutAwayExactlyWithinTheDistance)
{
    const ToleranceCase& c = GetParam();
    QImage face = PixelProbe::Solid({3, 1}, Qt::white);
    face.setPixelColor(1, 0, c.pixel);
    const QRegion shape = ShapeRegion::BuildOpaqueRegion(face, kFuchsia, c.tolerance);
    EXPECT_EQ(!shape.contains(QPoint(1, 0)), c.cutAway);
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
}

INSTANTIATE_TEST_SUITE_P(
    Distances, ToleranceTest,
    ::testing::Values(ToleranceCase{"exact_fuchsia", 0, kFuchsia, true},
                      ToleranceCase{"green_one_step", 0, QColor(255, 1, 255), false},
                      ToleranceCase{"red_one_step", 0, QColor(254, 0, 255), false},
                      ToleranceCase{"blue_one_step", 0, QColor(255, 0, 254), false},
                      ToleranceCase{"one_step_within_one", 1, QColor(255, 1, 255), true},
                      ToleranceCase{"diagonal_step_beyond_one", 1, QColor(254, 1, 255), false},
                      ToleranceCase{"diagonal_step_within_two", 2, QColor(254, 1, 255), true},
                      ToleranceCase{"three_four_five", 5, QColor(252, 4, 255), true},
                      ToleranceCase{"just_beyond_five", 5, QColor(252, 5, 255), false},
                      ToleranceCase{"negative_keeps_all", -1, kFuchsia, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShapeRegionTest, AllTransparentGivesNoRegion)
{
    const QImage face = PixelProbe::Solid({20, 10}, kFuchsia);
    EXPECT_TRUE(ShapeRegion::OpaqueRuns(face, kFuchsia, 0).empty());
    EXPECT_TRUE(ShapeRegion::BuildOpaqueRegion(face, kFuchsia, 0).isEmpty());
}

TEST(ShapeRegionTest, EveryRunOfARowIsOneRectangle)
{
    QImage face = PixelProbe::Solid({10, 2}, Qt::white);
    for (const int x : {0, 3, 4, 9})
        face.setPixelColor(x, 0, kFuchsia);
    const std::vector<QRect> runs = ShapeRegion::OpaqueRuns(face, kFuchsia, 0);
    const std::vector<QRect> expected = {QRect(1, 0, 2, 1), QRect(5, 0, 4, 1), QRect(0, 1, 10, 1)};
    EXPECT_EQ(runs, expected);
}

TEST(ShapeRegionTest, MoreThanAThousandRunsGiveTheSameRegionAsOneBatch)
{
    // Stripes of one opaque and one transparent column: 150 runs a row, 4500 in all.
    QImage face = PixelProbe::Solid({300, 30}, QColor(10, 200, 60));
    for (int y = 0; y < face.height(); ++y)
        for (int x = (y % 2); x < face.width(); x += 2)
            face.setPixelColor(x, y, kFuchsia);
    const std::vector<QRect> runs = ShapeRegion::OpaqueRuns(face, kFuchsia, 0);
    ASSERT_EQ(runs.size(), 4500u);
    const QRegion batched = ShapeRegion::UniteInBatches(runs);
    const QRegion oneGo = ShapeRegion::UniteInBatches(runs, int(runs.size()));
    EXPECT_TRUE(batched.xored(oneGo).isEmpty());
    EXPECT_EQ(areaOf(batched), 4500);
    EXPECT_TRUE(batched.contains(QPoint(1, 0)));
    EXPECT_FALSE(batched.contains(QPoint(0, 0)));
    EXPECT_TRUE(batched.contains(QPoint(298, 29)));
}

TEST(ShapeRegionTest, ABatchThatGivesNoRegionRaisesTheBatchError)
{
    const std::vector<QRect> nothing = {QRect(0, 0, 0, 0), QRect(3, 3, 0, 0)};
    try {
        ShapeRegion::UniteInBatches(nothing);
        FAIL() << "no error";
    } catch (const EControlError& e) {
        EXPECT_STREQ(e.what(), "!hBatchRgn");
    }
    EXPECT_TRUE(ShapeRegion::UniteInBatches({}).isEmpty());
}

TEST(ShapeRegionTest, AnyPixelFormatIsShapedByItsColours)
{
    QImage face = PixelProbe::Solid({8, 4}, Qt::white, 1).convertToFormat(QImage::Format_ARGB32);
    const QRegion shape = ShapeRegion::BuildOpaqueRegion(face, kFuchsia, 0);
    EXPECT_EQ(areaOf(shape), 32 - 4);
}

} // namespace
