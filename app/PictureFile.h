#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading picture files that the settings name: JPEG through libjpeg, Windows bitmaps through
// QImage after a check of their header, other formats by QImage when it knows the extension.
// Whatever the bytes, a load ends with a picture or with a reason, never with a crash or a
// hang; pictures larger than the limits below are refused before anything is allocated.
namespace PictureFile {

constexpr int kMaxSide = 8192;
constexpr qint64 kMaxPixels = 16LL * 1024 * 1024;
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

enum class Format { Jpeg, Bitmap, Other };

// The format a file's extension stands for.
Format FormatOf(const QString& path);

// A JPEG picture as 24-bit RGB. Every decoder error, and every warning about damaged data
// (a truncated file among them), fails the load.
bool DecodeJpeg(const QByteArray& data, QImage& picture, QString& error);
// A Windows bitmap whose header promises no more than the data holds.
bool DecodeBitmap(const QByteArray& data, QImage& picture, QString& error);
// The picture in the file at path, decoded by the format of its extension.
bool Load(const QString& path, QImage& picture, QString& error);

} // namespace PictureFile
