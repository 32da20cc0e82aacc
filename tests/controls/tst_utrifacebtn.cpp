#include "PixelProbe.h"
#include "controls/ControlError.h"
#include "controls/Utrifacebtn.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using PixelProbe::At;
using PixelProbe::Render;
using PixelProbe::Solid;

namespace {

const QColor kFuchsia(255, 0, 255);
const QColor kNormal(200, 40, 40);
const QColor kOver(40, 180, 40);
const QColor kDown(40, 40, 200);
const QColor kDisabled(120, 120, 120);
const QColor kPlain(210, 205, 190);
const QSize kFaceSize(40, 20);

// A button that counts how often it computes its shape.
class CountingButton : public TTrifaceBtn
{
public:
    using TTrifaceBtn::TTrifaceBtn;
    int shapes = 0;

protected:
    void DoShapeButton() override
    {
        ++shapes;
        TTrifaceBtn::DoShapeButton();
    }
};

void sendMove(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void sendLeave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

class TrifaceBtnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        button = new CountingButton(&window);
        button->move(50, 30);
        button->SetColor(kPlain);
    }

    void giveFaces(bool over = true, bool down = true)
    {
        button->SetFace(Solid(kFaceSize, kNormal, 3));
        if (over)
            button->SetFaceOver(Solid(kFaceSize, kOver, 3));
        if (down)
            button->SetFaceDown(Solid(kFaceSize, kDown, 3));
    }

    QColor centre() { return At(Render(button), button->width() / 2, button->height() / 2); }

    QWidget window;
    CountingButton* button = nullptr;
};

TEST_F(TrifaceBtnTest, AutoShapeCutsTheFuchsiaCornersAndTakesTheFaceSize)
{
    button->resize(100, 50);
    giveFaces();
    button->SetAutoShape(true);
    EXPECT_EQ(button->size(), kFaceSize);
    const QRegion mask = button->mask();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(2, 2), QPoint(39, 0), QPoint(37, 19), QPoint(0, 19)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_TRUE(mask.contains(QRect(3, 0, 34, 20)));
    EXPECT_TRUE(mask.contains(QRect(0, 3, 40, 14)));
}

TEST_F(TrifaceBtnTest, WithAutoShapeTheSizeStaysThatOfTheFace)
{
    giveFaces();
    button->SetAutoShape(true);
    button->SetBounds(10, 12, 85, 33);
    EXPECT_EQ(button->geometry(), QRect(QPoint(10, 12), kFaceSize));
    button->setGeometry(0, 0, 300, 300);
    EXPECT_EQ(button->size(), kFaceSize);
    button->SetAutoShape(false);
    button->SetBounds(10, 12, 85, 33);
    EXPECT_EQ(button->size(), QSize(85, 33));
    EXPECT_TRUE(button->mask().isEmpty());
}

TEST_F(TrifaceBtnTest, AllFuchsiaFaceRaisesFailedToCreateRegion)
{
    button->SetFace(Solid(kFaceSize, kFuchsia));
    try {
        button->SetAutoShape(true);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_STREQ(e.what(), "Failed to create region.");
    }
}

TEST_F(TrifaceBtnTest, AllFuchsiaFaceGivenWhileShapedRaisesTheSameError)
{
    giveFaces();
    button->SetAutoShape(true);
    EXPECT_THROW(button->SetFace(Solid(kFaceSize, kFuchsia)), EInvalidGraphicOperation);
}

// A button whose 24-bit copy of the face cannot be made.
class NoCopyButton : public TTrifaceBtn
{
protected:
    QImage DoCreateDIBSection() override { return {}; }
};

TEST_F(TrifaceBtnTest, AFaceWithoutA24BitCopyRaisesFailedToCreateDibSection)
{
    NoCopyButton failing;
    failing.SetFace(Solid(kFaceSize, kNormal, 3));
    try {
        failing.SetAutoShape(true);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_STREQ(e.what(), "Failed to create DIB section.");
    }
}

TEST_F(TrifaceBtnTest, ClicksOnACutAwayCornerGoToTheWindowBehind)
{
    giveFaces();
    button->SetAutoShape(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &TTrifaceBtn::clicked);
    QWindow* handle = window.windowHandle();

    QTest::mouseClick(handle, Qt::LeftButton, {}, button->geometry().topLeft() + QPoint(1, 1));
    QTest::mouseClick(handle, Qt::LeftButton, {}, button->geometry().bottomRight());
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(handle, Qt::LeftButton, {}, button->geometry().center());
    EXPECT_EQ(clicks.count(), 1);
    // Even a press straight on the button does not click outside its shape.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(TrifaceBtnTest, FocusRectAndAutoShapeExcludeEachOther)
{
    giveFaces();
    ASSERT_TRUE(button->FocusRect());
    button->SetAutoShape(true);
    EXPECT_FALSE(button->FocusRect());
    EXPECT_FALSE(button->mask().isEmpty());
    button->SetFocusRect(true);
    EXPECT_FALSE(button->AutoShape());
    EXPECT_TRUE(button->mask().isEmpty());
}

TEST_F(TrifaceBtnTest, AutoShapeStaysOffWithoutAFaceAndAnEmptyFaceSwitchesItOff)
{
    button->SetAutoShape(true);
    EXPECT_FALSE(button->AutoShape());
    giveFaces();
    button->SetAutoShape(true);
    ASSERT_TRUE(button->AutoShape());
    button->SetFace(QImage());
    EXPECT_FALSE(button->AutoShape());
    EXPECT_TRUE(button->mask().isEmpty());
}

struct FaceCase
{
    const char* name;
    bool faces;
    bool faceOver;
    bool faceDisable;
    std::function<void(TTrifaceBtn*)> state;
    QColor expected;
};

class FaceChoiceTest : public TrifaceBtnTest, public ::testing::WithParamInterface<FaceCase>
{};

TEST_P(FaceChoiceTest, RenderedFaceFollowsTheState)
{
    const FaceCase& c = GetParam();
    if (c.faces)
        giveFaces(c.faceOver);
    if (c.faceDisable)
        button->SetFaceDisable(Solid(kFaceSize, kDisabled, 3));
    button->SetAutoShape(c.faces);
    c.state(button);
    EXPECT_EQ(centre(), c.expected);
}

const auto hover = [](TTrifaceBtn* b) { sendMove(b, QPoint(20, 10)); };

INSTANTIATE_TEST_SUITE_P(
    States, FaceChoiceTest,
    ::testing::Values(FaceCase{"normal", true, true, false, [](TTrifaceBtn*) {}, kNormal},
                      FaceCase{"over", true, true, false, hover, kOver},
                      FaceCase{"over_without_FaceOver", true, false, false, hover, kNormal},
                      FaceCase{"left_again", true, true, false,
                               [](TTrifaceBtn* b) {
                                   hover(b);
                                   sendLeave(b);
                               },
                               kNormal},
                      FaceCase{"pressed", true, true, false,
                               [](TTrifaceBtn* b) { b->setDown(true); }, kDown},
                      FaceCase{"pressed_while_over", true, true, false,
                               [](TTrifaceBtn* b) {
                                   hover(b);
                                   b->setDown(true);
                               },
                               kDown},
                      FaceCase{"disabled_without_FaceDisable", true, true, false,
                               [](TTrifaceBtn* b) { b->setEnabled(false); }, kNormal},
                      FaceCase{"disabled_with_FaceDisable", true, true, true,
                               [](TTrifaceBtn* b) {
                                   hover(b);
                                   b->setEnabled(false);
                               },
                               kDisabled},
                      FaceCase{"no_face_at_all", false, false, false, [](TTrifaceBtn*) {}, kPlain}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrifaceBtnTest, ShiftOnOverMovesTheShapedFaceOnePixelUpAndLeft)
{
    QImage face = Solid(kFaceSize, kNormal, 3);
    face.setPixelColor(10, 6, Qt::yellow);
    button->SetFace(face);
    button->SetAutoShape(true);
    button->SetShiftOnOver(true);
    EXPECT_EQ(At(Render(button), 10, 6), QColor(Qt::yellow));
    hover(button);
    const QImage shifted = Render(button);
    EXPECT_EQ(At(shifted, 9, 5), QColor(Qt::yellow));
    EXPECT_EQ(At(shifted, 10, 6), kNormal);
    // Outside the shape the face's own pixels stay.
    EXPECT_EQ(At(shifted, 39, 10), kNormal);
}

TEST_F(TrifaceBtnTest, ShiftOnOverWithoutAutoShapeMovesTheWholeFace)
{
    QImage face = Solid(kFaceSize, kNormal);
    face.setPixelColor(39, 19, Qt::yellow);
    button->resize(kFaceSize);
    button->SetFace(face);
    button->SetShiftOnOver(true);
    hover(button);
    const QImage shifted = Render(button);
    EXPECT_EQ(At(shifted, 38, 18), QColor(Qt::yellow));
    EXPECT_EQ(At(shifted, 39, 19), QColor(Qt::yellow)); // the last row and column stay
}

TEST_F(TrifaceBtnTest, ShapeIsComputedOnlyWhenItsSourcesChange)
{
    giveFaces();
    button->SetAutoShape(true);
    const int afterSetup = button->shapes;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 3; ++i) {
        button->repaint();
        Render(button);
    }
    hover(button);
    button->SetFaceOver(Solid(kFaceSize, Qt::cyan, 3));
    button->SetTransTolerance(0);
    button->SetTransColor(kFuchsia);
    EXPECT_EQ(button->shapes, afterSetup);
    button->SetTransTolerance(3);
    button->SetTransColor(Qt::black);
    button->SetFace(Solid(kFaceSize, kOver, 3));
    EXPECT_EQ(button->shapes, afterSetup + 3);
}

TEST_F(TrifaceBtnTest, FocusCornerMarksAreDrawnOnTheFaceForTheDefaultButton)
{
    giveFaces();
    button->resize(kFaceSize);
    button->SetButtonStyle(true);
    const QImage image = Render(button);
    const QColor frame = TTrifaceBtn::WindowFrameColor();
    EXPECT_EQ(At(image, 0, 6), frame);
    EXPECT_EQ(At(image, 5, 0), frame);
    EXPECT_NE(At(image, 6, 0), frame);
    EXPECT_EQ(At(image, 39, 5), frame);
    EXPECT_NE(At(image, 39, 6), frame);
    EXPECT_EQ(At(image, 33, 19), frame);
    EXPECT_NE(At(image, 20, 10), frame);
    button->SetFocusRect(false);
    EXPECT_NE(At(Render(button), 0, 6), frame);
}

} // namespace
