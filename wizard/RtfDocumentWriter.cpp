#include "wizard/RtfDocumentWriter.h"

#include <QTextDocument>

namespace {

// Tab and line separator are the only characters below the blank that stay; an unpaired
// surrogate becomes U+FFFD.
QString printable(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += c;
            result += text[++i];
        } else if (c.isSurrogate()) {
            result += QChar::ReplacementCharacter;
        } else if (c.unicode() >= 0x20 || c == u'\t') {
            result += c;
        }
    }
    return result;
}

} // namespace

RtfDocumentWriter::RtfDocumentWriter(QTextDocument& document)
    : document_(document), undoWasEnabled_(document.isUndoRedoEnabled())
{
    document_.setUndoRedoEnabled(false);
    document_.clear();
    cursor_ = QTextCursor(&document_);
    cursor_.beginEditBlock();
    cursor_.setBlockFormat(blockFormat_);
}

RtfDocumentWriter::~RtfDocumentWriter()
{
    Finish();
}

void RtfDocumentWriter::AppendText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    if (format != pendingFormat_ && runs_ < kMaxRuns) {
        flush();
        pendingFormat_ = format;
    }
    pending_ += text;
}

void RtfDocumentWriter::SetParagraphFormat(const QTextBlockFormat& format)
{
    if (format == blockFormat_)
        return;
    blockFormat_ = format;
    cursor_.setBlockFormat(blockFormat_);
}

void RtfDocumentWriter::EndParagraph()
{
    if (paragraphs_ >= kMaxParagraphs) {
        pending_ += QChar::LineSeparator;
        return;
    }
    flush();
    cursor_.insertBlock(blockFormat_, pendingFormat_);
    ++paragraphs_;
}

void RtfDocumentWriter::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    flush();
    cursor_.endEditBlock();
    document_.setUndoRedoEnabled(undoWasEnabled_);
}

void RtfDocumentWriter::flush()
{
    if (pending_.isEmpty())
        return;
    cursor_.insertText(printable(pending_), pendingFormat_);
    pending_.clear();
    ++runs_;
}
