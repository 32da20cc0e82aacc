#include "Ucolorbtn.h"

#include "controls/ImageList.h"
#include "controls/PixelDrawing.h"

#include <QBitmap>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace PixelDrawing;

TColorBtn::TColorBtn(QWidget* parent) : QAbstractButton(parent)
{
    color_ = palette().color(QPalette::Button);
    colorLo_ = palette().color(QPalette::Dark);
    colorHi_ = palette().color(QPalette::Light);
    // The button paints every pixel itself: nothing is erased under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void TColorBtn::setAndRepaint(QColor& member, const QColor& value)
{
    if (member == value)
        return;
    member = value;
    update();
}

void TColorBtn::SetColor(const QColor& color)
{
    setAndRepaint(color_, color);
}

void TColorBtn::SetColorLo(const QColor& color)
{
    setAndRepaint(colorLo_, color);
}

void TColorBtn::SetColorHi(const QColor& color)
{
    setAndRepaint(colorHi_, color);
}

void TColorBtn::SetGlyphs(TImageList* glyphs)
{
    if (glyphs_ == glyphs)
        return;
    glyphs_ = glyphs;
    update();
}

void TColorBtn::SetGlyphIndex(int index)
{
    if (glyphIndex_ == index)
        return;
    glyphIndex_ = index;
    update();
}

void TColorBtn::SetButtonStyle(bool isDefault)
{
    if (defaultStyle_ == isDefault)
        return;
    defaultStyle_ = isDefault;
    update();
}

void TColorBtn::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
}

bool TColorBtn::HasGlyph() const
{
    return glyphs_ != nullptr && glyphIndex_ >= 0;
}

TOwnerDrawState TColorBtn::CurrentState() const
{
    TOwnerDrawState state;
    if (isDown())
        state |= TOwnerDrawFlag::Selected;
    if (!isEnabled())
        state |= TOwnerDrawFlag::Disabled;
    if (hasFocus())
        state |= TOwnerDrawFlag::Focused;
    if (defaultStyle_)
        state |= TOwnerDrawFlag::Default;
    return state;
}

void TColorBtn::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.setFont(font());
    const TOwnerDrawState state = CurrentState();
    DoDrawButtonFace(canvas, state);
    DoDrawButtonGlyph(canvas, state);
    DoDrawButtonText(canvas, state);
}

void TColorBtn::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a fast double click is a press like any other.
    mousePressEvent(event);
}

void TColorBtn::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

void TColorBtn::DoDrawButtonFace(QPainter& canvas, TOwnerDrawState state)
{
    QRect r = rect();
    if (defaultStyle_ || state.testFlag(TOwnerDrawFlag::Focused)) {
        OutlinedRect(canvas, r, WindowFrameColor(), color_);
        r.adjust(1, 1, -1, -1);
    }
    if (state.testFlag(TOwnerDrawFlag::Selected)) {
        OutlinedRect(canvas, r, colorLo_, color_);
        return;
    }
    canvas.fillRect(r, color_);
    Frame3D(canvas, r, colorHi_, WindowFrameColor());
    Polyline(canvas,
             {{1, BottomOf(r) - 1}, {RightOf(r) - 1, BottomOf(r) - 1}, {RightOf(r) - 1, r.y() - 1}},
             colorLo_);
}

void TColorBtn::DrawCaption(QPainter& canvas, const QRect& rect, const QColor& color) const
{
    canvas.setPen(color);
    canvas.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

void TColorBtn::DoDrawButtonText(QPainter& canvas, TOwnerDrawState state)
{
    if (text().isEmpty())
        return;
    QRect t(0, 0, width(), height());
    if (HasGlyph())
        t.setLeft(t.left() + glyphs_->Width() + 6);
    if (state.testFlag(TOwnerDrawFlag::Selected))
        t.translate(1, 1);
    QColor ink = palette().color(QPalette::ButtonText);
    if (!isEnabled() || state.testFlag(TOwnerDrawFlag::Disabled)) {
        DrawCaption(canvas, t.translated(1, 1), colorHi_);
        ink = colorLo_;
    }
    DrawCaption(canvas, t, ink);
    if (state.testFlag(TOwnerDrawFlag::Focused))
        FocusRect(canvas, rect().adjusted(4, 4, -4, -4));
}

void TColorBtn::DoDrawButtonGlyph(QPainter& canvas, TOwnerDrawState state)
{
    if (!HasGlyph())
        return;
    const QImage glyph = glyphs_->Image(glyphIndex_);
    if (glyph.isNull())
        return;
    const int captionWidth = canvas.fontMetrics().horizontalAdvance(text());
    int x = (width() - (captionWidth + 2) - glyphs_->Width()) / 2;
    int y = (height() - glyphs_->Height() + 2) / 2;
    if (state.testFlag(TOwnerDrawFlag::Selected)) {
        ++x;
        ++y;
    }
    if (isEnabled() && !state.testFlag(TOwnerDrawFlag::Disabled)) {
        canvas.drawImage(x, y, glyph);
        return;
    }
    // Embossed: the glyph's shape in ColorHi one pixel lower right, then in ColorLo.
    QRegion inked(
        QBitmap::fromImage(glyph.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    if (glyph.hasAlphaChannel())
        inked &= QRegion(QBitmap::fromImage(glyph.createAlphaMask()));
    canvas.save();
    canvas.setClipRegion(inked.translated(x + 1, y + 1));
    canvas.fillRect(x + 1, y + 1, glyph.width(), glyph.height(), colorHi_);
    canvas.setClipRegion(inked.translated(x, y));
    canvas.fillRect(x, y, glyph.width(), glyph.height(), colorLo_);
    canvas.restore();
}
