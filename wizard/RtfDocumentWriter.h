#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

// Builds a text document from runs of formatted text and paragraph ends. Runs of one format are
// joined before they go into the document; characters that a document cannot hold as text
// (control characters, unpaired surrogates) are dropped or replaced.
class RtfDocumentWriter
{
public:
    // A document of very many paragraphs is slow to build and to lay out; past this many, a
    // paragraph end is written as a line break, so all of the text is still shown.
    static constexpr int kMaxParagraphs = 100000;
    // Likewise for runs of text: past this many, text keeps the format of the last run.
    static constexpr int kMaxRuns = 100000;

    // Empties document; its default font stays.
    explicit RtfDocumentWriter(QTextDocument& document);
    ~RtfDocumentWriter();
    RtfDocumentWriter(const RtfDocumentWriter&) = delete;
    RtfDocumentWriter& operator=(const RtfDocumentWriter&) = delete;

    void AppendText(const QString& text, const QTextCharFormat& format);
    // The format of the paragraph being written; the last one set before its end holds.
    void SetParagraphFormat(const QTextBlockFormat& format);
    void EndParagraph();
    // Writes what is still pending; the writer can be used no more.
    void Finish();

private:
    void flush();

    QTextDocument& document_;
    bool undoWasEnabled_;
    QTextCursor cursor_;
    QString pending_;
    QTextCharFormat pendingFormat_;
    QTextBlockFormat blockFormat_;
    int paragraphs_ = 1;
    int runs_ = 0;
    bool finished_ = false;
};
