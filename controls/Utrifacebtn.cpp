#include "Utrifacebtn.h"

#include "controls/ControlError.h"
#include "controls/ImageList.h"
#include "controls/PixelDrawing.h"
#include "controls/ShapeRegion.h"

#include <QMouseEvent>
#include <QPainter>

using namespace PixelDrawing;

namespace {

// picture with every pixel (x, y) whose lower-right neighbour lies inside the shape replaced
// by that neighbour.
void shiftInsideShape(QImage& picture, const QImage& insideShape)
{
    const QImage source = picture.copy();
    const int width = picture.width();
    const int height = picture.height();
    for (int y = 0; y + 1 < height; ++y) {
        for (int x = 0; x + 1 < width; ++x) {
            if (insideShape.pixelIndex(x + 1, y + 1) != 0)
                picture.setPixel(x, y, source.pixel(x + 1, y + 1));
        }
    }
}

QImage rasterise(const QRegion& region, QSize size)
{
    QImage inside(size, QImage::Format_Mono);
    inside.fill(0);
    for (const QRect& r : region) {
        const QRect clipped = r.intersected(inside.rect());
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            for (int x = clipped.left(); x <= clipped.right(); ++x)
                inside.setPixel(x, y, 1);
    }
    return inside;
}

} // namespace

TTrifaceBtn::TTrifaceBtn(QWidget* parent) : TColorBtn(parent)
{
    setMouseTracking(true);
}

bool TTrifaceBtn::setPicture(QImage& member, const QImage& picture)
{
    if (member.cacheKey() == picture.cacheKey())
        return false;
    member = picture;
    return true;
}

void TTrifaceBtn::SetFace(const QImage& picture)
{
    if (!setPicture(face_, picture))
        return;
    if (face_.isNull() && autoShape_) {
        SetAutoShape(false);
        return;
    }
    DoShapeButton();
    DoRedrawButton();
}

void TTrifaceBtn::SetFaceOver(const QImage& picture)
{
    if (setPicture(faceOver_, picture))
        DoRedrawButton();
}

void TTrifaceBtn::SetFaceDown(const QImage& picture)
{
    if (setPicture(faceDown_, picture))
        DoRedrawButton();
}

void TTrifaceBtn::SetFaceDisable(const QImage& picture)
{
    if (setPicture(faceDisable_, picture))
        DoRedrawButton();
}

void TTrifaceBtn::SetFocusRect(bool on)
{
    if (focusRect_ == on)
        return;
    focusRect_ = on;
    if (focusRect_ && autoShape_)
        SetAutoShape(false);
    else
        DoRedrawButton();
}

void TTrifaceBtn::SetAutoShape(bool on)
{
    if (autoShape_ == on)
        return;
    autoShape_ = on && !face_.isNull();
    DoShapeButton();
    if (autoShape_ && focusRect_)
        SetFocusRect(false);
    else
        DoRedrawButton();
}

void TTrifaceBtn::SetTransColor(const QColor& color)
{
    if (transColor_ == color)
        return;
    transColor_ = color;
    DoShapeButton();
    DoRedrawButton();
}

void TTrifaceBtn::SetTransTolerance(int tolerance)
{
    const auto value = static_cast<qint16>(tolerance);
    if (transTolerance_ == value)
        return;
    transTolerance_ = value;
    DoShapeButton();
    DoRedrawButton();
}

void TTrifaceBtn::SetShiftOnOver(bool on)
{
    if (shiftOnOver_ == on)
        return;
    shiftOnOver_ = on;
    DoRedrawButton();
}

void TTrifaceBtn::DoRedrawButton()
{
    if (QWidget* parent = parentWidget())
        parent->update(geometry());
    else
        update();
}

void TTrifaceBtn::keepFaceSize(bool keep)
{
    if (keep) {
        setFixedSize(face_.size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

QImage TTrifaceBtn::DoCreateDIBSection()
{
    return face_.convertToFormat(QImage::Format_RGB888);
}

void TTrifaceBtn::DoShapeButton()
{
    if (!autoShape_ || face_.isNull()) {
        keepFaceSize(false);
        clearMask();
        return;
    }
    keepFaceSize(true);
    const QImage copy = DoCreateDIBSection();
    if (copy.isNull())
        throw EInvalidGraphicOperation("Failed to create DIB section.");
    const QRegion shape =
        ShapeRegion::BuildOpaqueRegion(copy, transColor_.toRgb(), transTolerance_);
    if (shape.isEmpty())
        throw EInvalidGraphicOperation("Failed to create region.");
    setMask(shape);
    if (mask() != shape)
        throw EInvalidGraphicOperation("Failed to set window region.");
}

void TTrifaceBtn::DrawShiftFace(QImage& picture)
{
    const QRegion shape = mask().isEmpty() ? QRegion(picture.rect()) : mask();
    shiftInsideShape(picture, rasterise(shape, picture.size()));
}

const QImage& TTrifaceBtn::chooseFace(TOwnerDrawState state, QImage& shifted)
{
    if (!isEnabled() || state.testFlag(TOwnerDrawFlag::Disabled))
        return faceDisable_;
    if (state.testFlag(TOwnerDrawFlag::Selected))
        return faceDown_;
    if (over_ && shiftOnOver_) {
        const QImage& start = faceOver_.isNull() ? face_ : faceOver_;
        if (start.isNull())
            return start;
        shifted = start.convertToFormat(QImage::Format_RGB32);
        if (autoShape_)
            DrawShiftFace(shifted);
        else
            shiftInsideShape(shifted, rasterise(QRegion(shifted.rect()), shifted.size()));
        return shifted;
    }
    if (over_)
        return faceOver_;
    return face_;
}

void TTrifaceBtn::DoDrawButtonFace(QPainter& canvas, TOwnerDrawState state)
{
    QImage shifted;
    const QImage* picture = &chooseFace(state, shifted);
    if (picture->isNull()) {
        if (face_.isNull()) {
            TColorBtn::DoDrawButtonFace(canvas, state);
            return;
        }
        picture = &face_;
    }
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect(), *picture);
    canvas.restore();
    if (focusRect_ &&
        (state.testFlag(TOwnerDrawFlag::Focused) || state.testFlag(TOwnerDrawFlag::Default)))
        drawFocusCorners(canvas);
}

void TTrifaceBtn::drawFocusCorners(QPainter& canvas) const
{
    const int l = 0;
    const int t = 0;
    const int r = width();
    const int b = height();
    const QColor ink = WindowFrameColor();
    Polyline(canvas, {{l, t + 6}, {l, t}, {l + 6, t}}, ink);
    Polyline(canvas, {{r - 7, t}, {r - 1, t}, {r - 1, t + 6}}, ink);
    Polyline(canvas, {{l, b - 7}, {l, b - 1}, {l + 6, b - 1}}, ink);
    Polyline(canvas, {{r - 7, b - 1}, {r - 1, b - 1}, {r - 1, b - 7}}, ink);
}

void TTrifaceBtn::DoDrawButtonText(QPainter& canvas, TOwnerDrawState state)
{
    if (text().isEmpty())
        return;
    TOwnerDrawState flags = state;
    if (!face_.isNull())
        flags &= ~TOwnerDrawState(TOwnerDrawFlag::Focused);
    const bool lifted = over_ && shiftOnOver_ && isEnabled() &&
                        !state.testFlag(TOwnerDrawFlag::Disabled) &&
                        !state.testFlag(TOwnerDrawFlag::Selected);
    if (!lifted) {
        TColorBtn::DoDrawButtonText(canvas, flags);
        return;
    }
    QRect t = rect().translated(-1, -1);
    if (HasGlyph())
        t.setLeft(t.left() + Glyphs()->Width() + 6);
    DrawCaption(canvas, t, palette().color(QPalette::ButtonText));
    if (state.testFlag(TOwnerDrawFlag::Focused))
        PixelDrawing::FocusRect(canvas, rect().adjusted(4, 4, -4, -4));
}

bool TTrifaceBtn::hitButton(const QPoint& pos) const
{
    if (!rect().contains(pos))
        return false;
    return mask().isEmpty() || mask().contains(pos);
}

void TTrifaceBtn::mouseMoveEvent(QMouseEvent* event)
{
    TColorBtn::mouseMoveEvent(event);
    tracking_ = true;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != over_) {
        over_ = inside;
        DoRedrawButton();
    }
}

void TTrifaceBtn::leaveEvent(QEvent* event)
{
    TColorBtn::leaveEvent(event);
    tracking_ = false;
    if (over_) {
        over_ = false;
        DoRedrawButton();
    }
}
