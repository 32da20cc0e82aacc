#pragma once

#include <QImage>
#include <QList>

// A list of small pictures of one size, referenced by index (the glyphs of a TColorBtn, the
// pictures of a TGWImage). Controls keep a pointer to it; its owner keeps it alive.
class TImageList
{
public:
    TImageList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds picture, scaled to the list's size when it has another; returns its index.
    int Add(const QImage& picture);
    // The picture at index, or a null image when there is none.
    QImage Image(int index) const;

private:
    int width_;
    int height_;
    QList<QImage> images_;
};
