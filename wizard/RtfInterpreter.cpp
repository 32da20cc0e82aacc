#include "wizard/RtfInterpreter.h"

#include <algorithm>

namespace {

// Deeper groups still count, but share the state of the deepest one kept: a hostile file
// cannot make the state stack grow with its length.
constexpr std::size_t kMaxKeptNesting = 512;
constexpr std::size_t kMaxFonts = 4096;
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndentTwips = 31680;  // 22 inches, the widest page rich text knows
constexpr double kTwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

bool isOn(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

int clampedTwips(std::int32_t twips)
{
    return std::clamp<std::int32_t>(twips, -kMaxIndentTwips, kMaxIndentTwips);
}

QTextCharFormat charFormatOf(const RtfCharacterState& state)
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

QTextBlockFormat blockFormatOf(const RtfParagraphState& state)
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

} // namespace

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
    if (groups_.empty() || state().destination == RtfDestination::Skipped)
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
        if (state().destination == RtfDestination::Text)
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
    if (state().destination != RtfDestination::Text)
        return;
    for (const char byte : text.sliced(passedOver))
        appendByte(byte);
}

void RtfInterpreter::handleSymbol(char symbol)
{
    if (symbol == '*') {
        // "\*": a destination that a reader may pass over when it does not know it.
        state().destination = RtfDestination::Skipped;
        return;
    }
    if (state().destination != RtfDestination::Text)
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
    const RtfWordMeaning* meaning = LookUpRtfWord(token.text);
    if (!meaning)
        return;
    if (meaning->word == RtfWord::FontTable) {
        state().destination = RtfDestination::FontTable;
        definingFont_ = -1;
    } else if (meaning->word == RtfWord::SkippedDestination) {
        state().destination = RtfDestination::Skipped;
    } else if (state().destination == RtfDestination::FontTable) {
        handleFontTableWord(meaning->word, token);
    } else {
        handleTextWord(*meaning, token);
    }
}

void RtfInterpreter::handleFontTableWord(RtfWord word, const RtfToken& token)
{
    if (!token.hasParameter)
        return;
    switch (word) {
    case RtfWord::Font:
        definingFont_ = token.parameter;
        if (fonts_.size() < kMaxFonts)
            fonts_.try_emplace(definingFont_);
        break;
    case RtfWord::FontCharset:
    case RtfWord::FontCodePage: {
        const auto font = fonts_.find(definingFont_);
        if (font == fonts_.end())
            break;
        if (word == RtfWord::FontCharset)
            font->second.charsetCodePage = RtfCodePage::OfCharset(token.parameter);
        else if (RtfCodePage::IsSupported(token.parameter))
            font->second.explicitCodePage = token.parameter;
        break;
    }
    default:
        break;
    }
}

void RtfInterpreter::handleTextWord(const RtfWordMeaning& meaning, const RtfToken& token)
{
    if (meaning.word == RtfWord::Character) {
        appendText(QString(QChar(meaning.character)));
        return;
    }
    if (meaning.word == RtfWord::Unicode) {
        if (token.hasParameter) {
            appendUnicode(token.parameter);
            fallbackLeft_ = state().unicodeSkip;
        }
        return;
    }
    if (!handleCharacterWord(meaning.word, token) && !handleParagraphWord(meaning.word, token))
        handleDocumentWord(meaning.word, token);
}

bool RtfInterpreter::handleCharacterWord(RtfWord word, const RtfToken& token)
{
    RtfCharacterState& character = state().character;
    switch (word) {
    case RtfWord::Plain:
        character = RtfCharacterState();
        break;
    case RtfWord::Font:
        if (token.hasParameter)
            character.font = token.parameter;
        break;
    case RtfWord::Bold:
        character.bold = isOn(token);
        break;
    case RtfWord::Italic:
        character.italic = isOn(token);
        break;
    case RtfWord::Underline:
        character.underline = isOn(token);
        break;
    case RtfWord::UnderlineNone:
        character.underline = false;
        break;
    case RtfWord::Strike:
        character.strike = isOn(token);
        break;
    case RtfWord::FontSize:
        character.halfPoints = token.parameter > 0 ? std::min(token.parameter, kMaxHalfPoints) : 0;
        break;
    case RtfWord::Superscript:
        character.vertical = 1;
        break;
    case RtfWord::Subscript:
        character.vertical = -1;
        break;
    case RtfWord::NoSuperSub:
        character.vertical = 0;
        break;
    default:
        return false;
    }
    return true;
}

bool RtfInterpreter::handleParagraphWord(RtfWord word, const RtfToken& token)
{
    RtfParagraphState& paragraph = state().paragraph;
    switch (word) {
    case RtfWord::ParagraphDefaults:
        paragraph = RtfParagraphState();
        break;
    case RtfWord::Paragraph:
        endParagraph();
        break;
    case RtfWord::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        break;
    case RtfWord::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        break;
    case RtfWord::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        break;
    case RtfWord::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        break;
    case RtfWord::LeftIndent:
        paragraph.leftTwips = clampedTwips(token.parameter);
        break;
    case RtfWord::RightIndent:
        paragraph.rightTwips = clampedTwips(token.parameter);
        break;
    case RtfWord::FirstLineIndent:
        paragraph.firstLineTwips = clampedTwips(token.parameter);
        break;
    case RtfWord::SpaceBefore:
        paragraph.beforeTwips = std::max(0, clampedTwips(token.parameter));
        break;
    case RtfWord::SpaceAfter:
        paragraph.afterTwips = std::max(0, clampedTwips(token.parameter));
        break;
    default:
        return false;
    }
    return true;
}

bool RtfInterpreter::handleDocumentWord(RtfWord word, const RtfToken& token)
{
    switch (word) {
    case RtfWord::Ansi:
        documentCodePage_ = RtfCodePage::kWestern;
        break;
    case RtfWord::Mac:
        documentCodePage_ = 10000;
        break;
    case RtfWord::Pc:
        documentCodePage_ = 437;
        break;
    case RtfWord::Pca:
        documentCodePage_ = 850;
        break;
    case RtfWord::AnsiCodePage:
        if (RtfCodePage::IsSupported(token.parameter))
            documentCodePage_ = token.parameter;
        break;
    case RtfWord::DefaultFont:
        defaultFont_ = token.parameter;
        break;
    case RtfWord::UnicodeSkip:
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
