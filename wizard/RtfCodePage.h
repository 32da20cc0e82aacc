#pragma once

#include <QByteArrayView>
#include <QString>
#include <iconv.h>

// The Windows code pages that rich text names (\ansicpgN, \cpgN, and a font's \fcharsetN).
namespace RtfCodePage {
constexpr int kWestern = 1252;

// The code page of a font character set; 0 when the set has none of its own (the default set,
// an unknown one), so that the document's code page applies.
int OfCharset(int charset);
// True when the code page is one that the decoder can read.
bool IsSupported(int codePage);
} // namespace RtfCodePage

// Turns bytes of one code page into text through iconv. A byte that is no character of the code
// page (or a character cut short at the end) becomes U+FFFD; decoding goes on after it.
class CodePageDecoder
{
public:
    // An unsupported code page is read as Windows-1252.
    explicit CodePageDecoder(int codePage);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    int codePage() const { return codePage_; }
    QString Decode(QByteArrayView bytes);

private:
    int codePage_;
    iconv_t converter_;
};
