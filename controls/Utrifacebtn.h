#pragma once

#include "controls/Ucolorbtn.h"

#include <QImage>
#include <QPixmap>

// The push button of every window and page: it draws itself from face pictures (Face,
// FaceOver while the pointer is over it, FaceDown while pressed, FaceDisable while disabled)
// and falls back on TColorBtn's drawing when it has no face at all.
//
// Typical use on a page (faces from the shared pictures):
//
//     auto* next = new TTrifaceBtn(page);
//     next->setObjectName("BtnNext");          // the component name
//     next->SetFace(FormRes->Picture("ImgBtnN"));
//     next->SetAutoShape(true);                // after Face; TransColor stays fuchsia
//     next->SetFaceOver(FormRes->Picture("ImgBtnH"));
//     next->SetFaceDown(FormRes->Picture("ImgBtnD"));
//     next->move(492, 288);
//     connect(next, &TTrifaceBtn::clicked, page, &Page::BtnNextClick);
//
// AutoShape stays off while Face is empty, so a button gets its Face before AutoShape is
// switched on; a later SetFace reshapes it. With AutoShape on, the button takes the size of Face
// (setting another width or height has no effect) and is cut to Face's outline: every pixel within
// TransTolerance of TransColor is left out of the widget's mask, so the window behind shows through
// and clicks there go to it. AutoShape and FocusRect exclude each other: switching one on switches
// the other off. The shape is computed when Face, AutoShape, TransColor or TransTolerance change,
// never while painting. Shaping errors are thrown as EInvalidGraphicOperation ("Failed to create
// DIB section.", "Failed to create region.", "Failed to set window region.") or EControlError
// ("!hBatchRgn") to whoever set the property.
class TTrifaceBtn : public TColorBtn
{
    Q_OBJECT
    Q_PROPERTY(bool FocusRect READ FocusRect WRITE SetFocusRect)
    Q_PROPERTY(bool AutoShape READ AutoShape WRITE SetAutoShape)
    Q_PROPERTY(QColor TransColor READ TransColor WRITE SetTransColor)
    Q_PROPERTY(int TransTolerance READ TransTolerance WRITE SetTransTolerance)
    Q_PROPERTY(bool ShiftOnOver READ ShiftOnOver WRITE SetShiftOnOver)

public:
    explicit TTrifaceBtn(QWidget* parent = nullptr);

    // The setters keep their own copy of the picture; passing the picture already held does
    // nothing.
    const QImage& Face() const { return face_; }
    void SetFace(const QImage& picture);
    void SetFace(const QPixmap& picture) { SetFace(picture.toImage()); }
    const QImage& FaceOver() const { return faceOver_; }
    void SetFaceOver(const QImage& picture);
    void SetFaceOver(const QPixmap& picture) { SetFaceOver(picture.toImage()); }
    const QImage& FaceDown() const { return faceDown_; }
    void SetFaceDown(const QImage& picture);
    void SetFaceDown(const QPixmap& picture) { SetFaceDown(picture.toImage()); }
    const QImage& FaceDisable() const { return faceDisable_; }
    void SetFaceDisable(const QImage& picture);
    void SetFaceDisable(const QPixmap& picture) { SetFaceDisable(picture.toImage()); }

    bool FocusRect() const { return focusRect_; }
    void SetFocusRect(bool on);
    bool AutoShape() const { return autoShape_; }
    void SetAutoShape(bool on);
    QColor TransColor() const { return transColor_; }
    void SetTransColor(const QColor& color);
    qint16 TransTolerance() const { return transTolerance_; }
    void SetTransTolerance(int tolerance);
    bool ShiftOnOver() const { return shiftOnOver_; }
    void SetShiftOnOver(bool on);

    // Whether the pointer is over the button.
    bool IsOver() const { return over_; }

    static QColor Fuchsia() { return QColor(255, 0, 255); }

protected:
    // Repaints the button's area of the parent, so that the parent shows in the cut-away parts.
    virtual void DoRedrawButton();
    // Sizes and cuts the button to Face (AutoShape on) or makes it a plain rectangle again.
    virtual void DoShapeButton();
    // A 24-bit copy of Face.
    virtual QImage DoCreateDIBSection();
    // Moves the part of picture that lies inside the button's shape one pixel up and left.
    virtual void DrawShiftFace(QImage& picture);

    void DoDrawButtonFace(QPainter& canvas, TOwnerDrawState state) override;
    void DoDrawButtonText(QPainter& canvas, TOwnerDrawState state) override;

    bool hitButton(const QPoint& pos) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool setPicture(QImage& member, const QImage& picture);
    const QImage& chooseFace(TOwnerDrawState state, QImage& shifted);
    void drawFocusCorners(QPainter& canvas) const;
    void keepFaceSize(bool keep);

    QImage face_;
    QImage faceOver_;
    QImage faceDown_;
    QImage faceDisable_;
    bool focusRect_ = true;
    bool autoShape_ = false;
    QColor transColor_ = Fuchsia();
    qint16 transTolerance_ = 0;
    bool shiftOnOver_ = false;
    bool over_ = false;
    bool tracking_ = false;
};
