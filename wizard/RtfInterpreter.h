#pragma once

#include "wizard/RtfCodePage.h"
#include "wizard/RtfControlWords.h"
#include "wizard/RtfDocumentWriter.h"
#include "wizard/RtfTokenizer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QTextDocument;

// Where the text of a group goes: into the document, into the font table, or nowhere.
enum class RtfDestination { Text, FontTable, Skipped };

struct RtfCharacterState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0; // 0: the size of the document's default font
    int vertical = 0;   // 1 superscript, -1 subscript
    int font = -1;      // -1: the default font (\deffN)
};

struct RtfParagraphState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
};

// The state a group carries; the end of a group restores the state from before it.
struct RtfGroupState
{
    RtfDestination destination = RtfDestination::Text;
    RtfCharacterState character;
    RtfParagraphState paragraph;
    int unicodeSkip = 1;
};

// A font of the font table, as far as decoding its text goes.
struct RtfFontEntry
{
    int charsetCodePage = 0;
    int explicitCodePage = 0;
};

// Runs the tokens of one rich-text file into a document writer (one file per interpreter).
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
    void handleFontTableWord(RtfWord word, const RtfToken& token);
    void handleTextWord(const RtfWordMeaning& meaning, const RtfToken& token);
    bool handleCharacterWord(RtfWord word, const RtfToken& token);
    bool handleParagraphWord(RtfWord word, const RtfToken& token);
    bool handleDocumentWord(RtfWord word, const RtfToken& token);

    void appendByte(char byte);
    void appendUnicode(std::int32_t value);
    void appendText(const QString& text);
    void endParagraph();
    void decodePendingBytes();
    int currentCodePage() const;
    CodePageDecoder& decoderFor(int codePage);

    RtfGroupState& state() { return groups_.back(); }
    const RtfGroupState& state() const { return groups_.back(); }

    RtfDocumentWriter writer_;
    std::vector<RtfGroupState> groups_;
    std::size_t unkeptNesting_ = 0;
    int documentCodePage_ = RtfCodePage::kWestern;
    int defaultFont_ = 0;
    int definingFont_ = -1;
    std::map<int, RtfFontEntry> fonts_;
    int fallbackLeft_ = 0; // characters after \uN still to pass over
    QByteArray pendingBytes_;
    int pendingCodePage_ = RtfCodePage::kWestern;
    std::map<int, std::unique_ptr<CodePageDecoder>> decoders_;
};
