#include "PixelProbe.h"
#include "controls/ImageList.h"
#include "controls/Ucolorbtn.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using PixelProbe::At;
using PixelProbe::BoundsOf;
using PixelProbe::Render;

namespace {

const QColor kFace(200, 200, 200);
const QColor kLo(40, 60, 120);
const QColor kHi(250, 250, 210);
const QColor kInk(220, 0, 0);

bool isInk(QColor c)
{
    return c.red() > 120 && c.green() < 90 && c.blue() < 90;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class ColorBtnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.setText("Next");
        button.resize(85, 25);
        button.SetColor(kFace);
        button.SetColorLo(kLo);
        button.SetColorHi(kHi);
        QPalette palette = button.palette();
        palette.setColor(QPalette::ButtonText, kInk);
        button.setPalette(palette);
    }
    TColorBtn button;
};

TEST_F(ColorBtnTest, RaisedFaceHasHighlightFrameAndInnerShadow)
{
    const QImage image = Render(&button);
    EXPECT_EQ(At(image, 0, 0), kHi);
    EXPECT_EQ(At(image, 0, 23), kHi);
    EXPECT_EQ(At(image, 84, 0), TColorBtn::WindowFrameColor());
    EXPECT_EQ(At(image, 84, 24), TColorBtn::WindowFrameColor());
    EXPECT_EQ(At(image, 1, 23), kLo);  // inner shadow along the bottom
    EXPECT_EQ(At(image, 83, 12), kLo); // and the right
    EXPECT_EQ(At(image, 4, 4), kFace);
}

TEST_F(ColorBtnTest, PressedFaceIsFlatInColorLoWithCaptionMovedDownRight)
{
    const QRect raised = BoundsOf(Render(&button), isInk);
    button.setDown(true);
    const QImage image = Render(&button);
    EXPECT_EQ(At(image, 0, 0), kLo);
    EXPECT_EQ(At(image, 84, 24), kLo);
    EXPECT_EQ(At(image, 1, 1), kFace);
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_EQ(BoundsOf(image, isInk), raised.translated(1, 1));
}

TEST_F(ColorBtnTest, DisabledCaptionIsEmbossed)
{
    const QRect raised = BoundsOf(Render(&button), isInk);
    button.setEnabled(false);
    const QImage image = Render(&button);
    EXPECT_TRUE(BoundsOf(image, isInk).isEmpty());
    const QRect low = BoundsOf(image, [](QColor c) { return c == kLo; }).intersected(raised);
    const QRect high =
        BoundsOf(image, [](QColor c) { return c == kHi; }).intersected(raised.adjusted(1, 1, 1, 1));
    EXPECT_EQ(low, raised);
    EXPECT_EQ(high, raised.translated(1, 1));
}

TEST_F(ColorBtnTest, DefaultStyleDrawsAnOutlineInsideWhichTheFaceIsRaised)
{
    button.SetButtonStyle(true);
    const QImage image = Render(&button);
    EXPECT_EQ(At(image, 0, 0), TColorBtn::WindowFrameColor());
    EXPECT_EQ(At(image, 1, 1), kHi);
}

TEST_F(ColorBtnTest, DoubleClickCountsAsTwoClicks)
{
    QSignalSpy clicks(&button, &TColorBtn::clicked);
    // What the system delivers for a fast double click: press, release, double click, release.
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ColorBtnTest, RepaintsOnlyWhenAValueReallyChanges)
{
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    PixelProbe::Settle();
    PaintCounter paints(&button);
    TImageList glyphs(8, 8);

    struct Step
    {
        const char* what;
        std::function<void()> change;
        int paints;
    };
    const Step steps[] = {
        {"same ColorLo", [&] { button.SetColorLo(kLo); }, 0},
        {"other ColorLo", [&] { button.SetColorLo(Qt::darkGreen); }, 1},
        {"same ColorHi", [&] { button.SetColorHi(kHi); }, 0},
        {"other ColorHi", [&] { button.SetColorHi(Qt::yellow); }, 1},
        {"same GlyphIndex", [&] { button.SetGlyphIndex(0); }, 0},
        {"other GlyphIndex", [&] { button.SetGlyphIndex(2); }, 1},
        {"glyphs set", [&] { button.SetGlyphs(&glyphs); }, 1},
        {"same glyphs", [&] { button.SetGlyphs(&glyphs); }, 0},
        {"same default style", [&] { button.SetButtonStyle(false); }, 0},
        {"default style", [&] { button.SetButtonStyle(true); }, 1},
        {"disabled", [&] { button.setEnabled(false); }, 1},
    };
    for (const Step& step : steps) {
        paints.count = 0;
        step.change();
        PixelProbe::Settle();
        EXPECT_EQ(paints.count, step.paints) << step.what;
    }
}

TEST_F(ColorBtnTest, CaptionIsCentredWithoutGlyphsAndMovesRightForAGlyph)
{
    const QRect plain = BoundsOf(Render(&button), isInk);
    EXPECT_NEAR(plain.center().x(), 42, 1);
    EXPECT_NEAR(plain.center().y(), 12, 2);

    TImageList glyphs(16, 16);
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    glyphs.Add(glyph);
    button.SetGlyphs(&glyphs);
    const QImage image = Render(&button);
    const QRect withGlyph = BoundsOf(image, isInk);
    EXPECT_EQ(withGlyph.center().x() - plain.center().x(), (16 + 6) / 2);
    const QRect blue = BoundsOf(image, [](QColor c) { return c == QColor(Qt::blue); });
    EXPECT_EQ(blue.size(), QSize(16, 16));
}

TEST_F(ColorBtnTest, DisabledGlyphIsEmbossedInTheShadingColours)
{
    TImageList glyphs(6, 6);
    QImage glyph(6, 6, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    glyph.setPixel(2, 2, qRgb(0, 0, 0));
    glyphs.Add(glyph);
    button.setText(QString());
    button.SetGlyphs(&glyphs);
    button.setEnabled(false);
    const QImage image = Render(&button);
    const int x = (85 - 2 - 6) / 2;
    const int y = (25 - 6 + 2) / 2;
    EXPECT_EQ(At(image, x + 2, y + 2), kLo);
    EXPECT_EQ(At(image, x + 3, y + 3), kHi);
    EXPECT_EQ(At(image, x + 4, y + 4), kFace);
}

} // namespace
