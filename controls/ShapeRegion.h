#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

// The opaque area of a picture as a window shape. A pixel is transparent when the Euclidean
// distance between its colour and the transparent colour is at most tolerance (a negative
// tolerance keeps every pixel); every run of opaque pixels in a row becomes one rectangle.
namespace ShapeRegion {

constexpr int kBatchSize = 1000;

// The runs of opaque pixels of a 24-bit picture, row by row from the top, left to right.
std::vector<QRect> OpaqueRuns(const QImage& picture, const QColor& transparent, int tolerance);

// The union of the rectangles, built kBatchSize (or batchSize) at a time. Throws
// EControlError "!hBatchRgn" when a batch holds an empty rectangle or gives no region.
QRegion UniteInBatches(const std::vector<QRect>& rects, int batchSize = kBatchSize);

// OpaqueRuns united in batches; an empty region when no pixel is opaque.
QRegion BuildOpaqueRegion(const QImage& picture, const QColor& transparent, int tolerance,
                          int batchSize = kBatchSize);

} // namespace ShapeRegion
