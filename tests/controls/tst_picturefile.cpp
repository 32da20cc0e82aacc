#include "app/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray builtInJpeg()
{
    QFile file(":/pictures/ImgBGProgress.jpg");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray bitmapOf(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(10, 120, 230));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return buffer.data();
}

// The bytes of data with the frame header's size set to width x height.
QByteArray withJpegSize(QByteArray data, quint16 width, quint16 height)
{
    for (qsizetype i = 0; i + 9 < data.size(); ++i) {
        const auto marker = static_cast<unsigned char>(data[i + 1]);
        if (static_cast<unsigned char>(data[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            qToBigEndian<quint16>(height, data.data() + i + 5);
            qToBigEndian<quint16>(width, data.data() + i + 7);
            return data;
        }
    }
    ADD_FAILURE() << "no frame header";
    return data;
}

QByteArray pngOf(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG"));
    return buffer.data();
}

QByteArray withBitmapSize(QByteArray data, qint32 width, qint32 height)
{
    qToLittleEndian<qint32>(width, data.data() + 18);
    qToLittleEndian<qint32>(height, data.data() + 22);
    return data;
}

QByteArray corruptedEntropyData(QByteArray data)
{
    // A run of marker bytes in the middle of the compressed data.
    for (qsizetype i = data.size() / 2; i < data.size() / 2 + 24; ++i)
        data[i] = static_cast<char>(i % 2 == 0 ? 0xFF : 0xD3);
    return data;
}

struct DecodeCase
{
    const char* name;
    std::function<QByteArray()> bytes;
    bool jpeg;
    bool decodes;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase>
{};

TEST_P(DecodeTest, GivesAPictureOrAReason)
{
    const DecodeCase& c = GetParam();
    QImage picture;
    QString error;
    const QByteArray data = c.bytes();
    const bool decoded = c.jpeg ? PictureFile::DecodeJpeg(data, picture, error)
                                : PictureFile::DecodeBitmap(data, picture, error);
    EXPECT_EQ(decoded, c.decodes) << error.toStdString();
    EXPECT_EQ(picture.isNull(), !c.decodes);
    EXPECT_EQ(error.isEmpty(), c.decodes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(
        DecodeCase{"jpeg", builtInJpeg, true, true},
        DecodeCase{"jpeg_empty", [] { return QByteArray(); }, true, false},
        DecodeCase{"jpeg_text", [] { return QByteArray("[Product]\r\nRes_Path=\r\n"); }, true,
                   false},
        DecodeCase{"jpeg_truncated_to_half",
                   [] { return builtInJpeg().left(builtInJpeg().size() / 2); }, true, false},
        DecodeCase{"jpeg_without_its_end", [] { return builtInJpeg().chopped(2); }, true, false},
        DecodeCase{"jpeg_header_only", [] { return builtInJpeg().left(200); }, true, false},
        DecodeCase{"jpeg_corrupt_data", [] { return corruptedEntropyData(builtInJpeg()); }, true,
                   false},
        DecodeCase{"jpeg_garbage_after_start",
                   [] { return builtInJpeg().left(2) + QByteArray(4000, '\x5A'); }, true, false},
        DecodeCase{"jpeg_65500_square", [] { return withJpegSize(builtInJpeg(), 65500, 65500); },
                   true, false},
        DecodeCase{"jpeg_zero_width", [] { return withJpegSize(builtInJpeg(), 0, 50); }, true,
                   false},
        DecodeCase{"bitmap",
                   [] {
                       return bitmapOf({85, 21});
                   },
                   false, true},
        DecodeCase{"bitmap_truncated",
                   [] {
                       return bitmapOf({85, 21}).chopped(100);
                   },
                   false, false},
        DecodeCase{"bitmap_header_only",
                   [] {
                       return bitmapOf({85, 21}).left(54);
                   },
                   false, false},
        DecodeCase{"bitmap_100000_square",
                   [] {
                       return withBitmapSize(bitmapOf({85, 21}), 100000, 100000);
                   },
                   false, false},
        DecodeCase{"bitmap_negative_width",
                   [] {
                       return withBitmapSize(bitmapOf({85, 21}), -85, 21);
                   },
                   false, false},
        DecodeCase{"bitmap_top_down",
                   [] {
                       return withBitmapSize(bitmapOf({85, 21}), 85, -21);
                   },
                   false, true},
        DecodeCase{"bitmap_empty", [] { return QByteArray(); }, false, false},
        DecodeCase{"bitmap_text", [] { return QByteArray("BM but not a bitmap at all"); }, false,
                   false},
        DecodeCase{"bitmap_given_a_jpeg", builtInJpeg, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFileTest, DecodedJpegHasTheSizeOfItsFrame)
{
    QImage picture;
    QString error;
    ASSERT_TRUE(PictureFile::DecodeJpeg(builtInJpeg(), picture, error));
    EXPECT_EQ(picture.size(), QSize(190, 50));
}

// Damaged files of every kind come back, with or without a picture, and never crash.
TEST(PictureFileTest, RandomDamageNeverCrashes)
{
    std::mt19937 random(958);
    const QByteArray sources[] = {builtInJpeg(), bitmapOf({40, 20})};
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        const bool jpeg = round % 2 == 0;
        QByteArray data = sources[jpeg ? 0 : 1];
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i)
            data[static_cast<qsizetype>(random() % static_cast<unsigned>(data.size()))] =
                static_cast<char>(random() & 0xFF);
        if (random() % 4 == 0)
            data.truncate(static_cast<qsizetype>(random() % static_cast<unsigned>(data.size())));
        QImage picture;
        QString error;
        const bool ok = jpeg ? PictureFile::DecodeJpeg(data, picture, error)
                             : PictureFile::DecodeBitmap(data, picture, error);
        if (ok) {
            EXPECT_LE(picture.width(), PictureFile::kMaxSide);
            EXPECT_LE(picture.height(), PictureFile::kMaxSide);
        } else {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(PictureFileTest, LoadFollowsTheExtension)
{
    QTemporaryDir dir;
    struct FileCase
    {
        const char* name;
        QByteArray bytes;
        bool loads;
    };
    const FileCase cases[] = {
        {"picture.jpg", builtInJpeg(), true},   {"PICTURE.JPEG", builtInJpeg(), true},
        {"face.bmp", bitmapOf({85, 21}), true}, {"face.BMP", bitmapOf({85, 21}), true},
        {"jpeg.bmp", builtInJpeg(), false},     {"bitmap.jpg", bitmapOf({85, 21}), false},
        {"empty.jpg", QByteArray(), false},     {"notes.txt", QByteArray("hello"), false},
        {"logo.png", pngOf({30, 20}), true},    {"logo.xyz", pngOf({30, 20}), false},
    };
    for (const FileCase& c : cases) {
        QFile file(dir.filePath(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        QImage picture;
        QString error;
        EXPECT_EQ(PictureFile::Load(file.fileName(), picture, error), c.loads) << c.name;
    }
    QImage picture;
    QString error;
    EXPECT_FALSE(PictureFile::Load(dir.filePath("missing.jpg"), picture, error));
}

} // namespace
