#include "PixelProbe.h"
#include "controls/Gwimage.h"
#include "controls/ImageList.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using PixelProbe::Solid;

namespace {

const QColor kColours[] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                           QColor(90, 90, 90)};

void sendEnter(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

void sendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

// The colour the control shows now.
QColor shown(TGWImage& image)
{
    return PixelProbe::At(PixelProbe::Render(&image), 5, 5);
}

class GWImageTest : public ::testing::Test
{
protected:
    // A control fed from picture slots: 0 normal, 1 over, and 3 disabled when asked.
    void feed(TGWImage& image, bool withOver = true, bool withDisabled = true)
    {
        image.resize(20, 10);
        image.SetImageSource(gsrcImage);
        image.SetMouseOverEffect(true);
        image.SetImage0(Solid({20, 10}, kColours[0]));
        if (withOver)
            image.SetImage(1, Solid({20, 10}, kColours[1]));
        if (withDisabled)
            image.SetImage(3, Solid({20, 10}, kColours[3]));
    }
    TGWImage image;
};

struct IndexCase
{
    const char* name;
    TGWImageSource source;
    bool assigned;
    int index;
    int expectedIndex;
    int expectedColour;
};

class ImageIndexTest : public ::testing::TestWithParam<IndexCase>
{};

TEST_P(ImageIndexTest, PictureChangesOnlyWhenTheSourceHasIt)
{
    const IndexCase& c = GetParam();
    TGWImage image;
    image.resize(20, 10);
    image.SetImageSource(c.source);
    TImageList list(20, 10);
    for (const QColor& colour : kColours)
        list.Add(Solid({20, 10}, colour));
    if (c.source == gsrcImage) {
        image.SetImage0(Solid({20, 10}, kColours[0]));
        if (c.assigned)
            image.SetImage(c.index, Solid({20, 10}, kColours[c.index]));
    } else if (c.assigned) {
        image.SetImageList(&list);
    }
    image.SetImageIndex(c.index);
    EXPECT_EQ(image.ImageIndex(), c.expectedIndex);
    if (c.expectedColour >= 0)
        EXPECT_EQ(shown(image), kColours[c.expectedColour]);
    else
        EXPECT_TRUE(image.Picture().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ImageIndexTest,
    ::testing::Values(IndexCase{"slot_assigned", gsrcImage, true, 2, 2, 2},
                      IndexCase{"slot_not_assigned", gsrcImage, false, 2, 0, 0},
                      IndexCase{"slot_out_of_range", gsrcImage, false, 9, 0, 0},
                      IndexCase{"list_assigned", gsrcImageList, true, 3, 3, 3},
                      IndexCase{"no_list", gsrcImageList, false, 3, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GWImageTest, MouseOverShowsPictureOneAndLeavingShowsPictureZero)
{
    feed(image);
    QSignalSpy entered(&image, &TGWImage::mouseEntered);
    QSignalSpy left(&image, &TGWImage::mouseLeft);
    sendEnter(&image);
    EXPECT_EQ(shown(image), kColours[1]);
    sendLeave(&image);
    EXPECT_EQ(shown(image), kColours[0]);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST_F(GWImageTest, WithoutPictureOneTheMouseChangesNothing)
{
    feed(image, false);
    sendEnter(&image);
    EXPECT_EQ(shown(image), kColours[0]);
    EXPECT_EQ(image.ImageIndex(), 0);
}

TEST_F(GWImageTest, DisabledControlKeepsItsDisabledPictureAndIgnoresTheMouse)
{
    feed(image);
    QSignalSpy entered(&image, &TGWImage::mouseEntered);
    image.setEnabled(false);
    EXPECT_EQ(shown(image), kColours[3]);
    sendEnter(&image);
    EXPECT_EQ(shown(image), kColours[3]);
    EXPECT_EQ(entered.count(), 0);
    image.setEnabled(true);
    EXPECT_EQ(shown(image), kColours[1]);
    sendLeave(&image);
    image.setEnabled(false);
    image.setEnabled(true);
    EXPECT_EQ(shown(image), kColours[0]);
}

TEST_F(GWImageTest, PushButtonShowsPictureOneWhilePressedAndClicks)
{
    feed(image);
    image.SetMouseOverEffect(false);
    image.SetImageStyle(gsPushButton);
    QSignalSpy clicks(&image, &TGWImage::clicked);
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shown(image), kColours[1]);
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shown(image), kColours[0]);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(GWImageTest, PlainButtonKeepsItsPictureWhenPressed)
{
    feed(image);
    image.SetMouseOverEffect(false);
    QSignalSpy clicks(&image, &TGWImage::clicked);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shown(image), kColours[0]);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(GWImageTabTest, PressingATabReleasesTheOtherTabsOfItsGroupOnly)
{
    QWidget window;
    QWidget rowA(&window);
    QWidget rowB(&window);
    TGWImage first(&rowA);
    TGWImage second(&rowB);
    TGWImage otherGroup(&rowB);
    TGWImage* tabs[] = {&first, &second, &otherGroup};
    for (TGWImage* tab : tabs) {
        tab->resize(20, 10);
        tab->SetImageSource(gsrcImage);
        tab->SetImageStyle(gsTabButton);
        tab->SetImage0(Solid({20, 10}, kColours[0]));
        tab->SetImage(1, Solid({20, 10}, kColours[1]));
        tab->SetTag(7);
    }
    otherGroup.SetTag(8);
    second.SetImageIndex(1);
    otherGroup.SetImageIndex(1);

    QTest::mouseClick(&first, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(first.ImageIndex(), 1);
    EXPECT_EQ(second.ImageIndex(), 0);
    EXPECT_EQ(otherGroup.ImageIndex(), 1);
    EXPECT_EQ(shown(second), kColours[0]);
}

TEST_F(GWImageTest, LoadedShowsThePictureAtTheIndex)
{
    image.resize(20, 10);
    image.SetImageSource(gsrcImage);
    image.SetImage(0, Solid({20, 10}, kColours[0]));
    EXPECT_TRUE(image.Picture().isNull());
    image.Loaded();
    EXPECT_EQ(shown(image), kColours[0]);
}

} // namespace
