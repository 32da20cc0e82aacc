#pragma once

#include <QByteArrayView>
#include <cstdint>

// One piece of rich text as the tokenizer reads it.
struct RtfToken
{
    enum class Kind {
        End,           // no more input
        GroupOpen,     // {
        GroupClose,    // }
        ControlWord,   // \name or \nameN; name is in text
        ControlSymbol, // \ and one character that is not a letter, \' excepted
        HexByte,       // \'hh
        Text,          // a run of plain bytes, in text
    };

    Kind kind = Kind::End;
    QByteArrayView text;
    bool hasParameter = false;
    std::int32_t parameter = 0;
    char symbol = 0;
    std::uint8_t byte = 0;
};

// Splits rich text into tokens. Line ends outside control words are dropped, as rich text
// wants; a parameter too large for 32 bits is held at the nearest limit; the data of \binN is
// passed over (as much of it as there is).
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data) : data_(data) {}

    RtfToken Next();

private:
    RtfToken readControl();
    RtfToken readControlWord();
    RtfToken readHexByte();
    RtfToken readText();
    std::int32_t readParameter();
    void skipBinaryData(std::int32_t length);

    bool atEnd() const { return pos_ >= data_.size(); }
    char peek() const { return data_[pos_]; }

    QByteArrayView data_;
    qsizetype pos_ = 0;
};
