// libFuzzer target: any bytes, as a licence file and as the body of a rich-text file.
#include "wizard/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    RtfReader::Load(bytes, document);
    if (!RtfReader::IsRtf(bytes))
        RtfReader::Load("{\\rtf1 " + bytes, document);
    return 0;
}
