#include "PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

// The first bytes of a bitmap file: the file header and the start of the info header.
class BitmapHeader
{
public:
    static constexpr int kSize = 54;

    explicit BitmapHeader(const QByteArray& data)
    {
        std::memcpy(bytes_, data.constData(),
                    static_cast<size_t>(std::min<qsizetype>(data.size(), kSize)));
    }

    quint16 U16(int offset) const { return qFromLittleEndian<quint16>(bytes_ + offset); }
    quint32 U32(int offset) const { return qFromLittleEndian<quint32>(bytes_ + offset); }
    qint32 S32(int offset) const { return qFromLittleEndian<qint32>(bytes_ + offset); }

private:
    unsigned char bytes_[kSize] = {};
};

bool withinLimits(qint64 width, qint64 height)
{
    return width >= 1 && height >= 1 && width <= PictureFile::kMaxSide &&
           height <= PictureFile::kMaxSide && width * height <= PictureFile::kMaxPixels;
}

// The bitmap's header, checked against the data before QImage reads it.
bool checkBitmapHeader(const QByteArray& data, QString& error)
{
    constexpr int kFileHeader = 14;
    if (data.size() < kFileHeader + 12 || data[0] != 'B' || data[1] != 'M') {
        error = QStringLiteral("not a Windows bitmap");
        return false;
    }
    const BitmapHeader header(data);
    const quint32 pixelOffset = header.U32(10);
    const quint32 infoSize = header.U32(kFileHeader);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitsPerPixel = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = header.U16(kFileHeader + 4);
        height = header.U16(kFileHeader + 6);
        bitsPerPixel = header.U16(kFileHeader + 10);
    } else if (infoSize >= 40 && data.size() >= kFileHeader + 40) {
        width = header.S32(kFileHeader + 4);
        height = qAbs(static_cast<qint64>(header.S32(kFileHeader + 8)));
        bitsPerPixel = header.U16(kFileHeader + 14);
        compression = header.U32(kFileHeader + 16);
    } else {
        error = QStringLiteral("damaged bitmap header");
        return false;
    }
    if (!withinLimits(width, height)) {
        error = QStringLiteral("picture of %1 x %2 pixels is too large or empty")
                    .arg(width)
                    .arg(height);
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3;
    if (uncompressed) {
        const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        if (pixelOffset > static_cast<quint64>(data.size()) ||
            data.size() - static_cast<qint64>(pixelOffset) < rowBytes * height) {
            error = QStringLiteral("truncated bitmap");
            return false;
        }
    }
    return true;
}

} // namespace

PictureFile::Format PictureFile::FormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "jpg" || suffix == "jpeg" || suffix == "jpe" || suffix == "jfif")
        return Format::Jpeg;
    if (suffix == "bmp" || suffix == "dib")
        return Format::Bitmap;
    return Format::Other;
}

bool PictureFile::DecodeBitmap(const QByteArray& data, QImage& picture, QString& error)
{
    if (!checkBitmapHeader(data, error))
        return false;
    QImage decoded;
    if (!decoded.loadFromData(data, "BMP") || decoded.isNull()) {
        error = QStringLiteral("unreadable bitmap");
        return false;
    }
    picture = decoded;
    return true;
}

namespace {

bool decodeOther(const QByteArray& data, const QString& suffix, QImage& picture, QString& error)
{
    if (!QImageReader::supportedImageFormats().contains(suffix.toLatin1())) {
        error = QStringLiteral("no picture format has the extension \"%1\"").arg(suffix);
        return false;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, suffix.toLatin1());
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        error = QStringLiteral("not a picture of a known format");
        return false;
    }
    const QSize size = reader.size();
    if (!size.isValid() || !withinLimits(size.width(), size.height())) {
        error = QStringLiteral("picture too large or of unknown size");
        return false;
    }
    QImage decoded;
    if (!reader.read(&decoded)) {
        error = reader.errorString();
        return false;
    }
    picture = decoded;
    return true;
}

} // namespace

bool PictureFile::Load(const QString& path, QImage& picture, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        error = QStringLiteral("file too large");
        return false;
    }
    const QByteArray data = file.readAll();
    if (data.isEmpty()) {
        error = QStringLiteral("empty file");
        return false;
    }
    switch (FormatOf(path)) {
    case Format::Jpeg:
        return DecodeJpeg(data, picture, error);
    case Format::Bitmap:
        return DecodeBitmap(data, picture, error);
    case Format::Other:
        break;
    }
    return decodeOther(data, QFileInfo(path).suffix().toLower(), picture, error);
}
