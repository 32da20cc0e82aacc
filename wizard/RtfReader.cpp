#include "wizard/RtfReader.h"

#include "wizard/RtfCodePage.h"
#include "wizard/RtfDocumentWriter.h"
#include "wizard/RtfInterpreter.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>

namespace {

QString withNewlines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Lines past the paragraph limit of the rich-text path stay line breaks inside the last one.
QString withParagraphLimit(QString text)
{
    int paragraphs = 1;
    for (QChar& c : text) {
        if (c == u'\n' && ++paragraphs > RtfDocumentWriter::kMaxParagraphs)
            c = QChar::LineSeparator;
    }
    return text;
}

} // namespace

bool RtfReader::IsRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

void RtfReader::Load(QByteArrayView bytes, QTextDocument& document)
{
    if (IsRtf(bytes)) {
        RtfInterpreter(document).Run(bytes);
        return;
    }
    const bool undoWasEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.setPlainText(withParagraphLimit(DecodePlainText(bytes)));
    document.setUndoRedoEnabled(undoWasEnabled);
}

bool RtfReader::LoadFile(const QString& path, QTextDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Load(file.read(kMaxFileSize), document);
    return true;
}

QString RtfReader::DecodePlainText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return withNewlines(QStringDecoder(QStringConverter::Utf16LE).decode(bytes.sliced(2)));
    if (bytes.startsWith("\xFE\xFF"))
        return withNewlines(QStringDecoder(QStringConverter::Utf16BE).decode(bytes.sliced(2)));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return withNewlines(text);
    return withNewlines(CodePageDecoder(RtfCodePage::kWestern).Decode(bytes));
}
