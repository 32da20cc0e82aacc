#include "wizard/RtfControlWords.h"

#include <string_view>
#include <unordered_map>

namespace {

using WordTable = std::unordered_map<std::string_view, RtfWordMeaning>;

WordTable makeWordTable()
{
    WordTable table = {
        {"ansi", {RtfWord::Ansi}},
        {"mac", {RtfWord::Mac}},
        {"pc", {RtfWord::Pc}},
        {"pca", {RtfWord::Pca}},
        {"ansicpg", {RtfWord::AnsiCodePage}},
        {"deff", {RtfWord::DefaultFont}},
        {"uc", {RtfWord::UnicodeSkip}},
        {"u", {RtfWord::Unicode}},
        {"fonttbl", {RtfWord::FontTable}},
        {"f", {RtfWord::Font}},
        {"fcharset", {RtfWord::FontCharset}},
        {"cpg", {RtfWord::FontCodePage}},
        {"plain", {RtfWord::Plain}},
        {"b", {RtfWord::Bold}},
        {"i", {RtfWord::Italic}},
        {"ulnone", {RtfWord::UnderlineNone}},
        {"strike", {RtfWord::Strike}},
        {"striked", {RtfWord::Strike}},
        {"fs", {RtfWord::FontSize}},
        {"super", {RtfWord::Superscript}},
        {"sub", {RtfWord::Subscript}},
        {"nosupersub", {RtfWord::NoSuperSub}},
        {"pard", {RtfWord::ParagraphDefaults}},
        {"par", {RtfWord::Paragraph}},
        {"page", {RtfWord::Paragraph}},
        {"sect", {RtfWord::Paragraph}},
        {"row", {RtfWord::Paragraph}},
        {"ql", {RtfWord::AlignLeft}},
        {"qc", {RtfWord::AlignCenter}},
        {"qr", {RtfWord::AlignRight}},
        {"qj", {RtfWord::AlignJustify}},
        {"li", {RtfWord::LeftIndent}},
        {"ri", {RtfWord::RightIndent}},
        {"fi", {RtfWord::FirstLineIndent}},
        {"sb", {RtfWord::SpaceBefore}},
        {"sa", {RtfWord::SpaceAfter}},
        {"line", {RtfWord::Character, 0x2028}},
        {"tab", {RtfWord::Character, u'\t'}},
        {"cell", {RtfWord::Character, u'\t'}},
        {"emdash", {RtfWord::Character, 0x2014}},
        {"endash", {RtfWord::Character, 0x2013}},
        {"emspace", {RtfWord::Character, 0x2003}},
        {"enspace", {RtfWord::Character, 0x2002}},
        {"qmspace", {RtfWord::Character, 0x2005}},
        {"bullet", {RtfWord::Character, 0x2022}},
        {"lquote", {RtfWord::Character, 0x2018}},
        {"rquote", {RtfWord::Character, 0x2019}},
        {"ldblquote", {RtfWord::Character, 0x201C}},
        {"rdblquote", {RtfWord::Character, 0x201D}},
    };
    for (const char* name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                             "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                             "ulthldash", "ululdbwave", "ulw", "ulwave"})
        table.emplace(name, RtfWordMeaning{RtfWord::Underline});
    // Destinations whose text is not part of what the reader sees.
    for (const char* name : {"colortbl",
                             "stylesheet",
                             "info",
                             "pict",
                             "object",
                             "header",
                             "headerl",
                             "headerr",
                             "headerf",
                             "footer",
                             "footerl",
                             "footerr",
                             "footerf",
                             "footnote",
                             "fldinst",
                             "xe",
                             "tc",
                             "txe",
                             "rxe",
                             "bkmkstart",
                             "bkmkend",
                             "annotation",
                             "atnid",
                             "atnauthor",
                             "shpinst",
                             "themedata",
                             "colorschememapping",
                             "datastore",
                             "latentstyles",
                             "listtable",
                             "listoverridetable",
                             "revtbl",
                             "rsidtbl",
                             "generator",
                             "filetbl",
                             "pgdsctbl",
                             "nonshppict",
                             "private",
                             "xmlnstbl",
                             "ftnsep",
                             "ftnsepc",
                             "ftncn",
                             "aftnsep",
                             "aftnsepc",
                             "aftncn",
                             "objdata",
                             "datafield"})
        table.emplace(name, RtfWordMeaning{RtfWord::SkippedDestination});
    return table;
}

} // namespace

const RtfWordMeaning* LookUpRtfWord(QByteArrayView name)
{
    static const WordTable table = makeWordTable();
    const auto found = table.find(std::string_view(name.data(), name.size()));
    return found == table.end() ? nullptr : &found->second;
}
