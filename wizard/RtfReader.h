#pragma once

#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Shows the text of a licence file in a text document. Rich text (a file that begins with
// "{\rtf") keeps its paragraphs, alignment and indents, bold, italic, underline, strike-out,
// font sizes, and its characters: \uN with its \ucN fallback, \'hh and 8-bit text in the code
// page of the document (\ansicpgN) or of the current font (\fN with the \fcharsetN or \cpgN of
// the font table); destinations it does not show (font, colour and style tables, document
// information, pictures, objects, headers, footers, \*\... groups) are passed over. Anything else
// is plain text. Broken input never fails: whatever can be read is shown, in time proportional
// to its length and with bounded nesting.
class RtfReader
{
public:
    // Far more than any licence text needs, even with pictures; a larger file is shown cut.
    static constexpr qsizetype kMaxFileSize = 4 * 1024 * 1024;

    static bool IsRtf(QByteArrayView bytes);
    // Replaces the content of document by the text of bytes; the document's default font is
    // the font of text that names no size of its own.
    static void Load(QByteArrayView bytes, QTextDocument& document);
    // As Load, with the first kMaxFileSize bytes of the file at path; false (and the document
    // untouched) when it cannot be read.
    static bool LoadFile(const QString& path, QTextDocument& document);
    // UTF-8 (or UTF-16 with its byte-order mark), else Windows-1252; line ends become "\n".
    static QString DecodePlainText(QByteArrayView bytes);
};
