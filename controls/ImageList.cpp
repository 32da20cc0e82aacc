#include "ImageList.h"

int TImageList::Add(const QImage& picture)
{
    const QSize size(width_, height_);
    images_.append(picture.size() == size ? picture : picture.scaled(size));
    return Count() - 1;
}

QImage TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return images_.at(index);
}
