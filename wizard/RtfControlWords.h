#pragma once

#include <QByteArrayView>

// The control words that the reader acts on, by what they do.
enum class RtfWord {
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    FontTable,
    SkippedDestination,
    Font,
    FontCharset,
    FontCodePage,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Superscript,
    Subscript,
    NoSuperSub,
    ParagraphDefaults,
    Paragraph,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstLineIndent,
    SpaceBefore,
    SpaceAfter,
    Character,
};

struct RtfWordMeaning
{
    RtfWord word;
    char16_t character = 0;
};

// What a control word means; none for a word the reader does not act on.
const RtfWordMeaning* LookUpRtfWord(QByteArrayView name);
