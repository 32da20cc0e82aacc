#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFlags>

class QPainter;
class TImageList;

// What the owner-draw request reports about the button being drawn.
enum class TOwnerDrawFlag {
    Selected = 0x1, // pressed
    Disabled = 0x2,
    Focused = 0x4,
    Default = 0x8,
};
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOwnerDrawState)

// An owner-drawn push button with its own shading colours: a raised face in Color with a
// ColorHi highlight and a ColorLo shadow, flat in ColorLo while pressed, an embossed caption
// while disabled, an optional glyph beside the caption, and a focus rectangle.
//
// The caption is text(); clicked() is its OnClick. A double click counts as two clicks.
// Every setter repaints only when the value really changes. Derived buttons replace parts of
// the drawing through DoDrawButtonFace, DoDrawButtonGlyph and DoDrawButtonText, which
// paintEvent calls in that order with the button's state.
class TColorBtn : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QColor ColorLo READ ColorLo WRITE SetColorLo)
    Q_PROPERTY(QColor ColorHi READ ColorHi WRITE SetColorHi)
    Q_PROPERTY(int GlyphIndex READ GlyphIndex WRITE SetGlyphIndex)

public:
    explicit TColorBtn(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor ColorLo() const { return colorLo_; }
    void SetColorLo(const QColor& color);
    QColor ColorHi() const { return colorHi_; }
    void SetColorHi(const QColor& color);

    // Glyphs are referenced, not copied: the caller keeps the list alive while it is set.
    TImageList* Glyphs() const { return glyphs_; }
    void SetGlyphs(TImageList* glyphs);
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int index);

    // Whether the button is drawn as the window's default button (a dark outline).
    bool IsDefaultStyle() const { return defaultStyle_; }
    void SetButtonStyle(bool isDefault);

    // Moves and sizes the button; derived buttons may keep a size of their own.
    void SetBounds(int left, int top, int width, int height);

    QSize sizeHint() const override { return {75, 25}; }

    // The colour in which window frames are drawn: outlines and focus marks.
    static QColor WindowFrameColor() { return Qt::black; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // The state of the button now, as an owner-draw request reports it.
    virtual TOwnerDrawState CurrentState() const;

    virtual void DoDrawButtonFace(QPainter& canvas, TOwnerDrawState state);
    virtual void DoDrawButtonText(QPainter& canvas, TOwnerDrawState state);
    virtual void DoDrawButtonGlyph(QPainter& canvas, TOwnerDrawState state);

    bool HasGlyph() const;
    // The caption on one line, centred in rect, in color.
    void DrawCaption(QPainter& canvas, const QRect& rect, const QColor& color) const;

private:
    void setAndRepaint(QColor& member, const QColor& value);

    QColor color_;
    QColor colorLo_;
    QColor colorHi_;
    TImageList* glyphs_ = nullptr;
    int glyphIndex_ = 0;
    bool defaultStyle_ = false;
};
