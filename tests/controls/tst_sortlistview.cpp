#include "PixelProbe.h"
#include "controls/Sortlistview.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct LayoutCase
{
    const char* name;
    QRect item;
    QSize picture;
    Qt::Alignment alignment;
    QSize caption;
    QRect expectedPicture;
    QRect expectedText;
};

class HeaderLayoutTest : public ::testing::TestWithParam<LayoutCase>
{};

TEST_P(HeaderLayoutTest, CaptionAndPictureFollowTheMarginsAndTheGap)
{
    const LayoutCase& c = GetParam();
    const THeaderItemLayout layout = LayoutHeaderItem(c.item, c.picture, c.alignment, c.caption);
    EXPECT_EQ(layout.picture, c.expectedPicture);
    EXPECT_EQ(layout.text, c.expectedText);
}

const QRect kItem(0, 0, 100, 20);
const QSize kArrow(10, 8);

INSTANTIATE_TEST_SUITE_P(
    Rules, HeaderLayoutTest,
    ::testing::Values(
        // Picture 5 from the right edge, centred; caption 5 in from both edges, centred.
        LayoutCase{
            "left_short", kItem, kArrow, Qt::AlignLeft, {50, 14}, {85, 6, 10, 8}, {5, 3, 90, 20}},
        LayoutCase{"left_reaching_the_picture",
                   kItem,
                   kArrow,
                   Qt::AlignLeft,
                   {80, 14},
                   {85, 6, 10, 8},
                   {5, 3, 78, 20}},
        LayoutCase{"right_always_clear",
                   kItem,
                   kArrow,
                   Qt::AlignRight,
                   {10, 14},
                   {85, 6, 10, 8},
                   {5, 3, 78, 20}},
        LayoutCase{"centre_short",
                   kItem,
                   kArrow,
                   Qt::AlignHCenter,
                   {50, 14},
                   {85, 6, 10, 8},
                   {5, 3, 90, 20}},
        LayoutCase{"centre_wide",
                   kItem,
                   kArrow,
                   Qt::AlignHCenter,
                   {80, 14},
                   {85, 6, 10, 8},
                   {5, 3, 78, 20}},
        LayoutCase{
            "no_picture_short", kItem, {}, Qt::AlignLeft, {50, 14}, {100, 0, 0, 0}, {5, 3, 90, 20}},
        LayoutCase{
            "no_picture_wide", kItem, {}, Qt::AlignLeft, {94, 14}, {100, 0, 0, 0}, {5, 3, 93, 20}},
        LayoutCase{"odd_height_halves_down",
                   {0, 0, 100, 21},
                   kArrow,
                   Qt::AlignLeft,
                   {20, 14},
                   {85, 6, 10, 8},
                   {5, 3, 90, 21}},
        LayoutCase{"picture_taller_than_item",
                   kItem,
                   {10, 30},
                   Qt::AlignLeft,
                   {20, 14},
                   {85, 0, 10, 20},
                   {5, 3, 90, 20}},
        // Here the caption has no room left at all: nothing is drawn.
        LayoutCase{"picture_wider_than_item",
                   {40, 0, 12, 20},
                   kArrow,
                   Qt::AlignLeft,
                   {20, 14},
                   {40, 6, 10, 8},
                   {45, 3, 38 - 45, 20}},
        LayoutCase{"caption_taller_than_item",
                   kItem,
                   {},
                   Qt::AlignLeft,
                   {20, 26},
                   {100, 0, 0, 0},
                   {5, -3, 90, 20}}),
    [](const auto& info) { return std::string(info.param.name); });

class SortListViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.setColumnCount(3);
        list.setHeaderLabels({"Name", "MAC Address", "Channel"});
        for (const char* name : {"beta", "alpha", "gamma"})
            new QTreeWidgetItem(&list, QStringList{name, "00:11", "6"});
    }
    TSortListView list;
};

struct ClickCase
{
    const char* name;
    int skip;
    std::vector<int> clicks;
    int expectedColumn;
    bool expectedIncrease;
};

class HeaderClickTest : public ::testing::TestWithParam<ClickCase>
{};

TEST_P(HeaderClickTest, ClicksChangeTheSortState)
{
    const ClickCase& c = GetParam();
    TSortListView list;
    list.setColumnCount(3);
    list.SetSkipSort1(c.skip);
    for (const int column : c.clicks)
        list.HeaderClick(column);
    EXPECT_EQ(list.SortColunm(), c.expectedColumn);
    EXPECT_EQ(list.Increase(), c.expectedIncrease);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, HeaderClickTest,
    ::testing::Values(ClickCase{"sort_column_flips", -1, {0}, 0, false},
                      ClickCase{"twice_flips_back", -1, {0, 0}, 0, true},
                      ClickCase{"other_column_keeps_direction", -1, {0, 1}, 1, false},
                      ClickCase{"other_then_same_flips", -1, {2, 2}, 2, false},
                      ClickCase{"skipped_column_changes_nothing", 1, {1}, 0, true},
                      ClickCase{"skipped_after_flip", 2, {0, 2, 2}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SortListViewTest, SkippingTheSortColumnMovesItOneToTheRight)
{
    list.SetSortColumn(1);
    list.SetSkipSort1(1);
    EXPECT_EQ(list.SortColunm(), 2);
    list.SetSkipSort1(0);
    EXPECT_EQ(list.SortColunm(), 2);
}

TEST_F(SortListViewTest, RealHeaderClickChangesTheStateButNeverTheRows)
{
    list.resize(400, 200);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy columnClicks(&list, &TSortListView::columnClicked);
    QHeaderView* header = list.header();
    const QPoint second(header->sectionViewportPosition(1) + 20, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(list.SortColunm(), 1);
    EXPECT_FALSE(list.Increase());
    EXPECT_EQ(columnClicks.count(), 2);
    QStringList order;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        order << list.topLevelItem(i)->text(0);
    EXPECT_EQ(order, (QStringList{"beta", "alpha", "gamma"}));
}

TEST_F(SortListViewTest, SortPictureIsDrawnOnTheSortColumnAndTheCaptionStopsBeforeIt)
{
    list.setHeaderLabels({"A caption far too wide for its narrow column", "MAC", "Ch"});
    list.header()->resizeSection(0, 120);
    list.resize(400, 120);
    QImage up(8, 6, QImage::Format_RGB32);
    up.fill(QColor(255, 0, 0));
    QImage down(8, 6, QImage::Format_RGB32);
    down.fill(QColor(0, 0, 255));
    list.SetIncBMP(up);
    list.SetDecBMP(down);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    QHeaderView* header = list.header();
    auto sectionImage = [&](int column) {
        return PixelProbe::Render(header->viewport())
            .copy(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                  header->height());
    };
    auto isRed = [](QColor c) { return c == QColor(255, 0, 0); };
    auto isBlue = [](QColor c) { return c == QColor(0, 0, 255); };
    const QImage sorted = sectionImage(0);
    const QRect picture = PixelProbe::BoundsOf(sorted, isRed);
    EXPECT_EQ(picture, QRect(120 - 5 - 8, (header->height() - 6) / 2, 8, 6));
    EXPECT_TRUE(PixelProbe::BoundsOf(sectionImage(1), isRed).isEmpty());

    // The caption ends in an ellipsis that keeps 2 pixels clear of the picture.
    const QColor ink = header->palette().color(QPalette::ButtonText);
    const QRect caption =
        PixelProbe::BoundsOf(sorted.copy(0, 0, picture.left(), sorted.height()),
                             [&](QColor c) { return qAbs(c.lightness() - ink.lightness()) < 60; });
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GE(caption.left(), 5);
    EXPECT_LT(caption.right(), picture.left() - 2);

    list.HeaderClick(0);
    list.header()->viewport()->update();
    EXPECT_FALSE(PixelProbe::BoundsOf(sectionImage(0), isBlue).isEmpty());
    EXPECT_TRUE(PixelProbe::BoundsOf(sectionImage(0), isRed).isEmpty());
}

TEST_F(SortListViewTest, WithoutPicturesHeadersShowOnlyTheirCaptions)
{
    list.resize(400, 120);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QHeaderView* header = list.header();
    const QImage image = PixelProbe::Render(header->viewport());
    const QColor ink = header->palette().color(QPalette::ButtonText);
    const QRect first =
        PixelProbe::BoundsOf(image.copy(0, 0, header->sectionSize(0), header->height()),
                             [&](QColor c) { return qAbs(c.lightness() - ink.lightness()) < 60; });
    ASSERT_FALSE(first.isEmpty());
    EXPECT_GE(first.left(), 5);
    EXPECT_NEAR(first.center().y(), header->height() / 2, 2);
    list.HeaderClick(1);
    EXPECT_EQ(list.SortColunm(), 1);
}

} // namespace
