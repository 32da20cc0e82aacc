#include "ShapeRegion.h"

#include "controls/ControlError.h"

#include <algorithm>

namespace ShapeRegion {

namespace {

// Compares squared distances, which decides exactly as the distance itself would.
class TransparencyTest
{
public:
    TransparencyTest(const QColor& transparent, int tolerance)
        : red_(transparent.red()), green_(transparent.green()), blue_(transparent.blue()),
          keepsAll_(tolerance < 0), limit_(static_cast<long>(tolerance) * tolerance)
    {}

    bool IsTransparent(const uchar* rgb) const
    {
        if (keepsAll_)
            return false;
        const long dr = rgb[0] - red_;
        const long dg = rgb[1] - green_;
        const long db = rgb[2] - blue_;
        return dr * dr + dg * dg + db * db <= limit_;
    }

private:
    int red_;
    int green_;
    int blue_;
    bool keepsAll_;
    long limit_;
};

// Each row is first classified pixel by pixel (a loop the compiler can vectorise), then its
// runs are read off the flags.
template <typename Visit>
void forEachRun(const QImage& picture, const TransparencyTest& test, Visit visit)
{
    const int width = picture.width();
    std::vector<uchar> opaque(static_cast<size_t>(width) + 1);
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* pixel = picture.constScanLine(y);
        for (int x = 0; x < width; ++x)
            opaque[static_cast<size_t>(x)] = !test.IsTransparent(pixel + 3 * x);
        opaque[static_cast<size_t>(width)] = 0;
        int x = 0;
        while (x < width) {
            while (x < width && !opaque[static_cast<size_t>(x)])
                ++x;
            const int start = x;
            while (opaque[static_cast<size_t>(x)])
                ++x;
            if (x > start)
                visit(start, x, y);
        }
    }
}

} // namespace

std::vector<QRect> OpaqueRuns(const QImage& picture, const QColor& transparent, int tolerance)
{
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    const TransparencyTest test(transparent.toRgb(), tolerance);
    std::vector<QRect> runs;
    runs.reserve(static_cast<size_t>(rgb.height()));
    forEachRun(rgb, test,
               [&](int left, int right, int y) { runs.emplace_back(left, y, right - left, 1); });
    return runs;
}

QRegion UniteInBatches(const std::vector<QRect>& rects, int batchSize)
{
    batchSize = std::max(batchSize, 1);
    QRegion result;
    for (size_t first = 0; first < rects.size(); first += static_cast<size_t>(batchSize)) {
        const int count =
            static_cast<int>(std::min(rects.size() - first, static_cast<size_t>(batchSize)));
        const QRect* batchRects = rects.data() + first;
        // Like the system's region constructor, a batch with a degenerate rectangle is refused.
        if (std::any_of(batchRects, batchRects + count, [](const QRect& r) { return r.isEmpty(); }))
            throw EControlError("!hBatchRgn");
        QRegion batch;
        batch.setRects(batchRects, count);
        if (batch.isEmpty())
            throw EControlError("!hBatchRgn");
        if (first == 0)
            result = batch;
        else
            result |= batch;
    }
    return result;
}

QRegion BuildOpaqueRegion(const QImage& picture, const QColor& transparent, int tolerance,
                          int batchSize)
{
    return UniteInBatches(OpaqueRuns(picture, transparent, tolerance), batchSize);
}

} // namespace ShapeRegion
