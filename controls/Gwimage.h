#pragma once

#include <QImage>
#include <QWidget>
#include <array>

class TImageList;

enum TGWImageStyle { gsButton = 0, gsPushButton = 1, gsTabButton = 2 };
enum TGWImageSource { gsrcImageList = 0, gsrcImage = 1 };

// A button made of pictures: it shows one of up to eight pictures (Image0..Image7, or the
// images of an ImageList) by state: 0 normal, 1 mouse over / pressed / selected, 3 disabled.
//
// The autorun menu's guide buttons use it so:
//
//     auto* guide = new TGWImage(window);
//     guide->setObjectName("BtnUG_UG");
//     guide->SetImageSource(gsrcImage);
//     guide->SetMouseOverEffect(true);
//     guide->SetImage0(FormRes->Picture("ImgBtnUG_UGN"));
//     guide->SetImage(1, FormRes->Picture("ImgBtnUG_UGD"));
//     guide->setGeometry(356, 173, 198, 21);
//     connect(guide, &TGWImage::clicked, window, &TFormAutorun::BtnUG_UGClick);
//
// A picture slot holds a null image when it is not assigned. gsPushButton shows picture 1
// while pressed; gsTabButton keeps picture 1 after a press and gives picture 0 to every other
// tab button with the same Tag under the same grandparent widget.
class TGWImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool MouseOverEffect READ MouseOverEffect WRITE SetMouseOverEffect)

public:
    static constexpr int kImageCount = 8;

    explicit TGWImage(QWidget* parent = nullptr);

    // The picture shown now.
    const QImage& Picture() const { return picture_; }

    QImage GetImage(int index) const;
    // Stores picture in slot index (0..7); changes nothing that is shown.
    void SetImage(int index, const QImage& picture);
    // Stores Image0, shows it, then SetImageIndex(0). A null picture is ignored.
    void SetImage0(const QImage& picture);

    TImageList* ImageList() const { return imageList_; }
    void SetImageList(TImageList* list);

    TGWImageStyle ImageStyle() const { return style_; }
    void SetImageStyle(TGWImageStyle style) { style_ = style; }
    TGWImageSource ImageSource() const { return source_; }
    void SetImageSource(TGWImageSource source) { source_ = source; }

    int ImageIndex() const { return imageIndex_; }
    // Shows picture index when its source has one; otherwise nothing changes.
    void SetImageIndex(int index);

    bool MouseOverEffect() const { return mouseOverEffect_; }
    void SetMouseOverEffect(bool on) { mouseOverEffect_ = on; }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The widget takes the size of the picture shown.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

    // After the properties are set: shows the picture at ImageIndex (gsrcImage).
    void Loaded();

    QSize sizeHint() const override;

signals:
    void clicked();
    // The mouse entered or left the enabled control.
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void display(const QImage& picture);
    void releaseOtherTabs();

    std::array<QImage, kImageCount> images_;
    TImageList* imageList_ = nullptr;
    QImage picture_;
    TGWImageStyle style_ = gsButton;
    TGWImageSource source_ = gsrcImageList;
    int imageIndex_ = 0;
    bool mouseOverEffect_ = false;
    bool mouseInside_ = false;
    bool pressed_ = false;
    bool autoSize_ = false;
    int tag_ = 0;
};
