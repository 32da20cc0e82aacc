#include "wizard/RtfCodePage.h"

#include <cerrno>
#include <vector>

namespace {

struct CodePageName
{
    int codePage;
    const char* iconvName;
};

constexpr CodePageName kCodePageNames[] = {
    {437, "CP437"},     {850, "CP850"},   {852, "CP852"},   {866, "CP866"},   {874, "CP874"},
    {932, "CP932"},     {936, "CP936"},   {949, "CP949"},   {950, "CP950"},   {1250, "CP1250"},
    {1251, "CP1251"},   {1252, "CP1252"}, {1253, "CP1253"}, {1254, "CP1254"}, {1255, "CP1255"},
    {1256, "CP1256"},   {1257, "CP1257"}, {1258, "CP1258"}, {1361, "JOHAB"},  {10000, "MACINTOSH"},
    {54936, "GB18030"}, {65001, "UTF-8"},
};

struct CharsetCodePage
{
    int charset;
    int codePage;
};

// ANSI (0) and symbol (2) text is written in Windows-1252 whatever the document's code page
// (an English run in a Big5 document, a Symbol-font bullet); the default set (1) has no code
// page of its own.
constexpr CharsetCodePage kCharsetCodePages[] = {
    {0, 1252},   {2, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
    {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
    {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
};

const char* iconvNameOf(int codePage)
{
    for (const auto& entry : kCodePageNames) {
        if (entry.codePage == codePage)
            return entry.iconvName;
    }
    return nullptr;
}

iconv_t openConverter(int codePage)
{
    iconv_t converter = iconv_open("UTF-8", iconvNameOf(codePage));
    // Older iconv tables know Big5 but not Microsoft's name of it.
    if (converter == iconv_t(-1) && codePage == 950)
        converter = iconv_open("UTF-8", "BIG5");
    return converter;
}

const QByteArray kReplacement = QByteArrayLiteral("\xEF\xBF\xBD");

} // namespace

namespace RtfCodePage {

int OfCharset(int charset)
{
    for (const auto& entry : kCharsetCodePages) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}

bool IsSupported(int codePage)
{
    return iconvNameOf(codePage) != nullptr;
}

} // namespace RtfCodePage

CodePageDecoder::CodePageDecoder(int codePage)
    : codePage_(RtfCodePage::IsSupported(codePage) ? codePage : RtfCodePage::kWestern),
      converter_(openConverter(codePage_))
{
    if (converter_ == iconv_t(-1) && codePage_ != RtfCodePage::kWestern) {
        codePage_ = RtfCodePage::kWestern;
        converter_ = openConverter(codePage_);
    }
}

CodePageDecoder::~CodePageDecoder()
{
    if (converter_ != iconv_t(-1))
        iconv_close(converter_);
}

QString CodePageDecoder::Decode(QByteArrayView bytes)
{
    if (converter_ == iconv_t(-1))
        return QString::fromLatin1(bytes.data(), bytes.size());

    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    QByteArray utf8;
    std::vector<char> chunk(4 * bytes.size() + 16);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = chunk.data();
        size_t outLeft = chunk.size();
        const size_t result = iconv(converter_, &in, &inLeft, &out, &outLeft);
        const int error = errno;
        utf8.append(chunk.data(), out - chunk.data());
        if (result != size_t(-1) || error == E2BIG)
            continue;
        // An invalid byte, or a character cut short by the end of the bytes.
        utf8.append(kReplacement);
        if (error == EINVAL)
            break;
        ++in;
        --inLeft;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(utf8);
}
