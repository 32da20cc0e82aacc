#include "Gwimage.h"

#include "controls/ImageList.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TGWImage::TGWImage(QWidget* parent) : QWidget(parent)
{
    resize(105, 105);
}

QImage TGWImage::GetImage(int index) const
{
    if (index < 0 || index >= kImageCount)
        return {};
    return images_[static_cast<size_t>(index)];
}

void TGWImage::SetImage(int index, const QImage& picture)
{
    if (index >= 0 && index < kImageCount)
        images_[static_cast<size_t>(index)] = picture;
}

void TGWImage::SetImage0(const QImage& picture)
{
    if (picture.isNull())
        return;
    images_[0] = picture;
    display(picture);
    SetImageIndex(0);
}

void TGWImage::SetImageList(TImageList* list)
{
    imageList_ = list;
    SetImageIndex(0);
}

void TGWImage::SetImageIndex(int index)
{
    if (source_ == gsrcImage) {
        const QImage picture = GetImage(index);
        if (picture.isNull())
            return;
        imageIndex_ = index;
        display(picture);
    } else {
        if (imageList_ == nullptr)
            return;
        imageIndex_ = index;
        display(imageList_->Image(index).convertToFormat(QImage::Format_RGB32));
    }
}

void TGWImage::SetAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

void TGWImage::Loaded()
{
    if (source_ != gsrcImage)
        return;
    const QImage picture = GetImage(imageIndex_);
    if (!picture.isNull())
        display(picture);
}

QSize TGWImage::sizeHint() const
{
    return picture_.isNull() ? QSize(105, 105) : picture_.size();
}

void TGWImage::display(const QImage& picture)
{
    picture_ = picture;
    if (autoSize_)
        resize(picture_.size());
    update();
}

void TGWImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TGWImage::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    mouseInside_ = true;
    if (!isEnabled())
        return;
    if (mouseOverEffect_)
        SetImageIndex(1);
    emit mouseEntered();
}

void TGWImage::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    mouseInside_ = false;
    if (!isEnabled())
        return;
    if (mouseOverEffect_)
        SetImageIndex(0);
    emit mouseLeft();
}

void TGWImage::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    if (style_ == gsPushButton) {
        SetImageIndex(1);
    } else if (style_ == gsTabButton) {
        SetImageIndex(1);
        releaseOtherTabs();
    }
}

void TGWImage::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (style_ == gsPushButton)
        SetImageIndex(0);
    if (click)
        emit clicked();
}

void TGWImage::releaseOtherTabs()
{
    QWidget* parent = parentWidget();
    QWidget* grandparent = parent != nullptr ? parent->parentWidget() : nullptr;
    if (grandparent == nullptr)
        return;
    for (TGWImage* other : grandparent->findChildren<TGWImage*>()) {
        if (other != this && other->style_ == gsTabButton && other->tag_ == tag_)
            other->SetImageIndex(0);
    }
}

void TGWImage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    if (isEnabled()) {
        SetImageIndex(mouseOverEffect_ && mouseInside_ ? 1 : 0);
        update();
    } else {
        SetImageIndex(3);
    }
}
