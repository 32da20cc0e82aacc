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

template <typename Visit>
void forEachRun(const QImage& picture, const TransparencyTest& test, Visit visit)
{
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* pixel = picture.constScanLine(y);
        int runStart = -1;
        for (int x = 0; x < picture.width(); ++x, pixel += 3) {
            const bool opaque = !test.IsTransparent(pixel);
            if (opaque && runStart < 0)
                runStart = x;
            else if (!opaque && runStart >= 0) {
                visit(runStart, x, y);
                runStart = -1;
            }
        }
        if (runStart >= 0)
            visit(runStart, picture.width(), y);
    }
}

} // namespace

std::vector<QRect> OpaqueRuns(const QImage& picture, const QColor& transparent, int tolerance)
{
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    const TransparencyTest test(transparent.toRgb(), tolerance);
    size_t count = 0;
    forEachRun(rgb, test, [&](int, int, int) { ++count; });
    std::vector<QRect> runs;
    runs.reserve(count);
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
        QRegion batch;
        batch.setRects(rects.data() + first, count);
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
