#include "wizard/RtfReader.h"

#include "wizard/RtfCodePage.h"
#include "wizard/RtfDocumentWriter.h"
#include "wizard/RtfTokenizer.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Deeper groups still count, but share the state of the deepest one kept: a hostile file
// cannot make the state stack grow with its length.
constexpr std::size_t kMaxKeptNesting = 512;
constexpr std::size_t kMaxFonts = 4096;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndentTwips = 31680;  // 22 inches, the widest page rich text knows
constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

enum class Destination { Text, FontTable, Skipped };

struct CharacterState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0; // 0: the size of the document's default font
    int vertical = 0;   // 1 superscript, -1 subscript
    int font = -1;      // -1: the default font (\deffN)
};

struct ParagraphState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
};

struct GroupState
{
    Destination destination = Destination::Text;
    CharacterState character;
    ParagraphState paragraph;
    int unicodeSkip = 1;
};

struct FontEntry
{
    int charsetCodePage = 0;
    int explicitCodePage = 0;
};

enum class Word {
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

struct WordMeaning
{
    Word word;
    char16_t character = 0;
};

using WordTable = std::unordered_map<std::string_view, WordMeaning>;

WordTable makeWordTable()
{
    WordTable table = {
        {"ansi", {Word::Ansi}},
        {"mac", {Word::Mac}},
        {"pc", {Word::Pc}},
        {"pca", {Word::Pca}},
        {"ansicpg", {Word::AnsiCodePage}},
        {"deff", {Word::DefaultFont}},
        {"uc", {Word::UnicodeSkip}},
        {"u", {Word::Unicode}},
        {"fonttbl", {Word::FontTable}},
        {"f", {Word::Font}},
        {"fcharset", {Word::FontCharset}},
        {"cpg", {Word::FontCodePage}},
        {"plain", {Word::Plain}},
        {"b", {Word::Bold}},
        {"i", {Word::Italic}},
        {"ulnone", {Word::UnderlineNone}},
        {"strike", {Word::Strike}},
        {"striked", {Word::Strike}},
        {"fs", {Word::FontSize}},
        {"super", {Word::Superscript}},
        {"sub", {Word::Subscript}},
        {"nosupersub", {Word::NoSuperSub}},
        {"pard", {Word::ParagraphDefaults}},
        {"par", {Word::Paragraph}},
        {"page", {Word::Paragraph}},
        {"sect", {Word::Paragraph}},
        {"row", {Word::Paragraph}},
        {"ql", {Word::AlignLeft}},
        {"qc", {Word::AlignCenter}},
        {"qr", {Word::AlignRight}},
        {"qj", {Word::AlignJustify}},
        {"li", {Word::LeftIndent}},
        {"ri", {Word::RightIndent}},
        {"fi", {Word::FirstLineIndent}},
        {"sb", {Word::SpaceBefore}},
        {"sa", {Word::SpaceAfter}},
        {"line", {Word::Character, 0x2028}},
        {"tab", {Word::Character, u'\t'}},
        {"cell", {Word::Character, u'\t'}},
        {"emdash", {Word::Character, 0x2014}},
        {"endash", {Word::Character, 0x2013}},
        {"emspace", {Word::Character, 0x2003}},
        {"enspace", {Word::Character, 0x2002}},
        {"qmspace", {Word::Character, 0x2005}},
        {"bullet", {Word::Character, 0x2022}},
        {"lquote", {Word::Character, 0x2018}},
        {"rquote", {Word::Character, 0x2019}},
        {"ldblquote", {Word::Character, 0x201C}},
        {"rdblquote", {Word::Character, 0x201D}},
    };
    for (const char* name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                             "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                             "ulthldash", "ululdbwave", "ulw", "ulwave"})
        table.emplace(name, WordMeaning{Word::Underline});
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
        table.emplace(name, WordMeaning{Word::SkippedDestination});
    return table;
}

const WordMeaning* lookUpWord(QByteArrayView name)
{
    static const WordTable table = makeWordTable();
    const auto found = table.find(std::string_view(name.data(), name.size()));
    return found == table.end() ? nullptr : &found->second;
}

bool isOn(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

int clampedTwips(std::int32_t twips)
{
    return std::clamp<std::int32_t>(twips, -kMaxIndentTwips, kMaxIndentTwips);
}

QTextCharFormat charFormatOf(const CharacterState& state)
{
    QTextCharFormat format;
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (state.halfPoints > 0)
        format.setFontPointSize(state.halfPoints / 2.0);
    if (state.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat blockFormatOf(const ParagraphState& state)
{
    QTextBlockFormat format;
    if (state.alignment != Qt::AlignLeft)
        format.setAlignment(state.alignment);
    if (state.leftTwips != 0)
        format.setLeftMargin(state.leftTwips / kTwipsPerPixel);
    if (state.rightTwips != 0)
        format.setRightMargin(state.rightTwips / kTwipsPerPixel);
    if (state.firstLineTwips != 0)
        format.setTextIndent(state.firstLineTwips / kTwipsPerPixel);
    if (state.beforeTwips != 0)
        format.setTopMargin(state.beforeTwips / kTwipsPerPixel);
    if (state.afterTwips != 0)
        format.setBottomMargin(state.afterTwips / kTwipsPerPixel);
    return format;
}

// Runs the tokens of one rich-text file into a document writer.
class RtfInterpreter
{
public:
    explicit RtfInterpreter(QTextDocument& document) : writer_(document) {}

    void Run(QByteArrayView bytes);

private:
    // False once the document's own group has closed.
    bool handle(const RtfToken& token);
    void openGroup();
    bool closeGroup();
    void handleText(QByteArrayView text);
    void handleSymbol(char symbol);
    void handleWord(const RtfToken& token);
    void handleFontTableWord(Word word, const RtfToken& token);
    void handleTextWord(const WordMeaning& meaning, const RtfToken& token);
    bool handleCharacterWord(Word word, const RtfToken& token);
    bool handleParagraphWord(Word word, const RtfToken& token);
    bool handleDocumentWord(Word word, const RtfToken& token);

    void appendByte(char byte);
    void appendUnicode(std::int32_t value);
    void appendText(const QString& text);
    void endParagraph();
    void decodePendingBytes();
    int currentCodePage() const;
    CodePageDecoder& decoderFor(int codePage);

    GroupState& state() { return groups_.back(); }
    const GroupState& state() const { return groups_.back(); }

    RtfDocumentWriter writer_;
    std::vector<GroupState> groups_;
    std::size_t unkeptNesting_ = 0;
    int documentCodePage_ = RtfCodePage::kWestern;
    int defaultFont_ = 0;
    int definingFont_ = -1;
    std::map<int, FontEntry> fonts_;
    int fallbackLeft_ = 0; // characters after \uN still to pass over
    QByteArray pendingBytes_;
    int pendingCodePage_ = RtfCodePage::kWestern;
    std::map<int, std::unique_ptr<CodePageDecoder>> decoders_;
};

void RtfInterpreter::Run(QByteArrayView bytes)
{
    RtfTokenizer tokenizer(bytes);
    for (RtfToken token = tokenizer.Next(); token.kind != RtfToken::Kind::End;
         token = tokenizer.Next()) {
        if (!handle(token))
            break;
    }
    decodePendingBytes();
    writer_.Finish();
}

bool isByteToken(const RtfToken& token)
{
    switch (token.kind) {
    case RtfToken::Kind::Text:
    case RtfToken::Kind::HexByte:
        return true;
    case RtfToken::Kind::ControlSymbol:
        return token.symbol == '\\' || token.symbol == '{' || token.symbol == '}';
    default:
        return false;
    }
}

bool RtfInterpreter::handle(const RtfToken& token)
{
    if (!isByteToken(token))
        decodePendingBytes();
    if (token.kind == RtfToken::Kind::GroupOpen) {
        openGroup();
        return true;
    }
    if (token.kind == RtfToken::Kind::GroupClose)
        return closeGroup();
    if (groups_.empty() || state().destination == Destination::Skipped)
        return true;
    if (token.kind == RtfToken::Kind::Text) {
        handleText(token.text);
        return true;
    }
    // A control word or symbol, like a byte, counts as one character of a \uN fallback.
    if (fallbackLeft_ > 0) {
        --fallbackLeft_;
        return true;
    }
    switch (token.kind) {
    case RtfToken::Kind::HexByte:
        if (state().destination == Destination::Text)
            appendByte(char(token.byte));
        break;
    case RtfToken::Kind::ControlSymbol:
        handleSymbol(token.symbol);
        break;
    case RtfToken::Kind::ControlWord:
        handleWord(token);
        break;
    default:
        break;
    }
    return true;
}

void RtfInterpreter::openGroup()
{
    fallbackLeft_ = 0;
    if (groups_.empty())
        groups_.emplace_back();
    else if (groups_.size() < kMaxKeptNesting)
        groups_.push_back(groups_.back());
    else
        ++unkeptNesting_;
}

bool RtfInterpreter::closeGroup()
{
    fallbackLeft_ = 0;
    if (unkeptNesting_ > 0) {
        --unkeptNesting_;
        return true;
    }
    if (groups_.empty())
        return true;
    groups_.pop_back();
    return !groups_.empty();
}

void RtfInterpreter::handleText(QByteArrayView text)
{
    const qsizetype passedOver = std::min<qsizetype>(fallbackLeft_, text.size());
    fallbackLeft_ -= int(passedOver);
    if (state().destination != Destination::Text)
        return;
    for (const char byte : text.sliced(passedOver))
        appendByte(byte);
}

void RtfInterpreter::handleSymbol(char symbol)
{
    if (symbol == '*') {
        // "\*": a destination that a reader may pass over when it does not know it.
        state().destination = Destination::Skipped;
        return;
    }
    if (state().destination != Destination::Text)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendByte(symbol);
        break;
    case '~':
        appendText(QString(QChar(0x00A0)));
        break;
    case '_':
        appendText(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default:
        // "\-" (optional hyphen), "\:", "\|" and unknown symbols show nothing.
        break;
    }
}

void RtfInterpreter::handleWord(const RtfToken& token)
{
    const WordMeaning* meaning = lookUpWord(token.text);
    if (!meaning)
        return;
    if (meaning->word == Word::FontTable) {
        state().destination = Destination::FontTable;
        definingFont_ = -1;
    } else if (meaning->word == Word::SkippedDestination) {
        state().destination = Destination::Skipped;
    } else if (state().destination == Destination::FontTable) {
        handleFontTableWord(meaning->word, token);
    } else {
        handleTextWord(*meaning, token);
    }
}

void RtfInterpreter::handleFontTableWord(Word word, const RtfToken& token)
{
    if (!token.hasParameter)
        return;
    switch (word) {
    case Word::Font:
        definingFont_ = token.parameter;
        if (fonts_.size() < kMaxFonts)
            fonts_.try_emplace(definingFont_);
        break;
    case Word::FontCharset:
    case Word::FontCodePage: {
        const auto font = fonts_.find(definingFont_);
        if (font == fonts_.end())
            break;
        if (word == Word::FontCharset)
            font->second.charsetCodePage = RtfCodePage::OfCharset(token.parameter);
        else if (RtfCodePage::IsSupported(token.parameter))
            font->second.explicitCodePage = token.parameter;
        break;
    }
    default:
        break;
    }
}

void RtfInterpreter::handleTextWord(const WordMeaning& meaning, const RtfToken& token)
{
    if (meaning.word == Word::Character) {
        appendText(QString(QChar(meaning.character)));
        return;
    }
    if (meaning.word == Word::Unicode) {
        if (token.hasParameter) {
            appendUnicode(token.parameter);
            fallbackLeft_ = state().unicodeSkip;
        }
        return;
    }
    if (!handleCharacterWord(meaning.word, token) && !handleParagraphWord(meaning.word, token))
        handleDocumentWord(meaning.word, token);
}

bool RtfInterpreter::handleCharacterWord(Word word, const RtfToken& token)
{
    CharacterState& character = state().character;
    switch (word) {
    case Word::Plain:
        character = CharacterState();
        break;
    case Word::Font:
        if (token.hasParameter)
            character.font = token.parameter;
        break;
    case Word::Bold:
        character.bold = isOn(token);
        break;
    case Word::Italic:
        character.italic = isOn(token);
        break;
    case Word::Underline:
        character.underline = isOn(token);
        break;
    case Word::UnderlineNone:
        character.underline = false;
        break;
    case Word::Strike:
        character.strike = isOn(token);
        break;
    case Word::FontSize:
        character.halfPoints = token.parameter > 0 ? std::min(token.parameter, kMaxHalfPoints) : 0;
        break;
    case Word::Superscript:
        character.vertical = 1;
        break;
    case Word::Subscript:
        character.vertical = -1;
        break;
    case Word::NoSuperSub:
        character.vertical = 0;
        break;
    default:
        return false;
    }
    return true;
}

bool RtfInterpreter::handleParagraphWord(Word word, const RtfToken& token)
{
    ParagraphState& paragraph = state().paragraph;
    switch (word) {
    case Word::ParagraphDefaults:
        paragraph = ParagraphState();
        break;
    case Word::Paragraph:
        endParagraph();
        break;
    case Word::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        paragraph.leftTwips = clampedTwips(token.parameter);
        break;
    case Word::RightIndent:
        paragraph.rightTwips = clampedTwips(token.parameter);
        break;
    case Word::FirstLineIndent:
        paragraph.firstLineTwips = clampedTwips(token.parameter);
        break;
    case Word::SpaceBefore:
        paragraph.beforeTwips = std::max(0, clampedTwips(token.parameter));
        break;
    case Word::SpaceAfter:
        paragraph.afterTwips = std::max(0, clampedTwips(token.parameter));
        break;
    default:
        return false;
    }
    return true;
}

bool RtfInterpreter::handleDocumentWord(Word word, const RtfToken& token)
{
    switch (word) {
    case Word::Ansi:
        documentCodePage_ = RtfCodePage::kWestern;
        break;
    case Word::Mac:
        documentCodePage_ = 10000;
        break;
    case Word::Pc:
        documentCodePage_ = 437;
        break;
    case Word::Pca:
        documentCodePage_ = 850;
        break;
    case Word::AnsiCodePage:
        if (RtfCodePage::IsSupported(token.parameter))
            documentCodePage_ = token.parameter;
        break;
    case Word::DefaultFont:
        defaultFont_ = token.parameter;
        break;
    case Word::UnicodeSkip:
        state().unicodeSkip = std::max(0, token.parameter);
        break;
    default:
        return false;
    }
    return true;
}

void RtfInterpreter::appendByte(char byte)
{
    const int codePage = currentCodePage();
    if (!pendingBytes_.isEmpty() && codePage != pendingCodePage_)
        decodePendingBytes();
    pendingCodePage_ = codePage;
    pendingBytes_.append(byte);
}

void RtfInterpreter::appendUnicode(std::int32_t value)
{
    // Writers give characters above U+7FFF as negative 16-bit numbers.
    if (value < 0)
        value += 0x10000;
    const bool isCodeUnit = value >= 0 && value <= 0xFFFF;
    appendText(QString(isCodeUnit ? QChar(char16_t(value)) : QChar(QChar::ReplacementCharacter)));
}

void RtfInterpreter::appendText(const QString& text)
{
    writer_.SetParagraphFormat(blockFormatOf(state().paragraph));
    writer_.AppendText(text, charFormatOf(state().character));
}

void RtfInterpreter::endParagraph()
{
    writer_.SetParagraphFormat(blockFormatOf(state().paragraph));
    writer_.EndParagraph();
}

void RtfInterpreter::decodePendingBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    const QString text = decoderFor(pendingCodePage_).Decode(pendingBytes_);
    pendingBytes_.clear();
    appendText(text);
}

int RtfInterpreter::currentCodePage() const
{
    const int font = state().character.font >= 0 ? state().character.font : defaultFont_;
    const auto entry = fonts_.find(font);
    if (entry == fonts_.end())
        return documentCodePage_;
    if (entry->second.explicitCodePage != 0)
        return entry->second.explicitCodePage;
    if (entry->second.charsetCodePage != 0)
        return entry->second.charsetCodePage;
    return documentCodePage_;
}

CodePageDecoder& RtfInterpreter::decoderFor(int codePage)
{
    auto& decoder = decoders_[codePage];
    if (!decoder)
        decoder = std::make_unique<CodePageDecoder>(codePage);
    return *decoder;
}

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
