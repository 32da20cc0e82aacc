// JPEG decoding with libjpeg under an error manager that turns every error into a failed load.
#include "app/PictureFile.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// Progressive files may hold any number of scans; a real picture needs far fewer than this.
constexpr int kMaxScans = 256;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failDecoding(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

// A warning means damaged data (libjpeg would fill in grey and go on): fail instead.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        failDecoding(info);
}

struct ScanGuard
{
    jpeg_progress_mgr base;
};

void countScans(j_common_ptr info)
{
    if (info->is_decompressor) {
        auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
        if (decompress->input_scan_number > kMaxScans) {
            auto* manager = reinterpret_cast<ErrorManager*>(info->err);
            std::snprintf(manager->message, sizeof manager->message, "more than %d scans",
                          kMaxScans);
            std::longjmp(manager->escape, 1);
        }
    }
}

// The steps that may fail run in functions of their own that hold only plain C data, so that a
// jump out of libjpeg skips no destructor.
bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                unsigned long size)
{
    if (setjmp(errors->escape))
        return false;
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    return true;
}

bool startDecoding(jpeg_decompress_struct* info, ErrorManager* errors)
{
    if (setjmp(errors->escape))
        return false;
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(info);
    return true;
}

bool readRows(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* rows,
              unsigned long bytesPerRow, unsigned char* cmykRow)
{
    if (setjmp(errors->escape))
        return false;
    while (info->output_scanline < info->output_height) {
        unsigned char* target = rows + bytesPerRow * info->output_scanline;
        JSAMPROW row = cmykRow != nullptr ? cmykRow : target;
        if (jpeg_read_scanlines(info, &row, 1) != 1)
            return false;
        if (cmykRow == nullptr)
            continue;
        // Adobe writes CMYK inverted: each channel already holds 255 - ink.
        for (JDIMENSION x = 0; x < info->output_width; ++x) {
            const unsigned k = cmykRow[4 * x + 3];
            for (int c = 0; c < 3; ++c)
                target[3 * x + c] = static_cast<unsigned char>(cmykRow[4 * x + c] * k / 255);
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

class Decompressor
{
public:
    Decompressor()
    {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = failDecoding;
        errors_.base.emit_message = onMessage;
        errors_.message[0] = '\0';
        jpeg_create_decompress(&info_);
        guard_.base.progress_monitor = countScans;
        info_.progress = &guard_.base;
    }
    ~Decompressor() { jpeg_destroy_decompress(&info_); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct* info() { return &info_; }
    ErrorManager* errors() { return &errors_; }
    QString message() const { return QString::fromLocal8Bit(errors_.message); }

private:
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    ScanGuard guard_{};
};

} // namespace

bool PictureFile::DecodeJpeg(const QByteArray& data, QImage& picture, QString& error)
{
    if (data.isEmpty()) {
        error = QStringLiteral("empty file");
        return false;
    }
    Decompressor jpeg;
    jpeg_decompress_struct* info = jpeg.info();
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    if (!readHeader(info, jpeg.errors(), bytes, static_cast<unsigned long>(data.size()))) {
        error = jpeg.message();
        return false;
    }
    const qint64 width = info->image_width;
    const qint64 height = info->image_height;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
        width * height > kMaxPixels) {
        error = QStringLiteral("picture of %1 x %2 pixels is too large").arg(width).arg(height);
        return false;
    }
    if (!startDecoding(info, jpeg.errors())) {
        error = jpeg.message();
        return false;
    }
    QImage decoded(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                   QImage::Format_RGB888);
    if (decoded.isNull()) {
        error = QStringLiteral("out of memory");
        return false;
    }
    QByteArray cmykRow;
    if (info->out_color_space == JCS_CMYK)
        cmykRow.resize(static_cast<qsizetype>(info->output_width) * 4);
    if (!readRows(info, jpeg.errors(), decoded.bits(),
                  static_cast<unsigned long>(decoded.bytesPerLine()),
                  cmykRow.isEmpty() ? nullptr : reinterpret_cast<unsigned char*>(cmykRow.data()))) {
        error =
            jpeg.message().isEmpty() ? QStringLiteral("unreadable picture data") : jpeg.message();
        return false;
    }
    picture = decoded;
    return true;
}
