#include "PixelProbe.h"
#include "controls/Centeredit.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CenterEditTest, TypedTextStaysCentredAsItGrows)
{
    TCenterEdit edit;
    edit.resize(40, 21);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    const QColor background = PixelProbe::At(PixelProbe::Render(&edit), 20, 10);
    int previousWidth = 0;
    for (const char* key : {"1", "9", "2"}) {
        QTest::keyClicks(&edit, key);
        edit.deselect();
        edit.end(false);
        const QImage image = PixelProbe::Render(&edit).copy(3, 3, 34, 15);
        const QRect text = PixelProbe::BoundsOf(
            image, [&](QColor c) { return qAbs(c.lightness() - background.lightness()) > 120; });
        ASSERT_FALSE(text.isEmpty()) << edit.text().toStdString();
        EXPECT_GT(text.width(), previousWidth);
        EXPECT_NEAR(text.center().x() + 3, 20, 2) << edit.text().toStdString();
        previousWidth = text.width();
    }
    EXPECT_EQ(edit.text(), "192");
}

} // namespace
