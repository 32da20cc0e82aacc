#include "wizard/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

RtfToken RtfTokenizer::Next()
{
    while (!atEnd() && isLineEnd(peek()))
        ++pos_;
    if (atEnd())
        return {};

    RtfToken token;
    switch (peek()) {
    case '{':
        ++pos_;
        token.kind = RtfToken::Kind::GroupOpen;
        return token;
    case '}':
        ++pos_;
        token.kind = RtfToken::Kind::GroupClose;
        return token;
    case '\\':
        ++pos_;
        return readControl();
    default:
        return readText();
    }
}

RtfToken RtfTokenizer::readControl()
{
    // A lone backslash at the very end is nothing.
    if (atEnd())
        return {};
    if (isLetter(peek()))
        return readControlWord();
    if (peek() == '\'') {
        ++pos_;
        return readHexByte();
    }
    RtfToken token;
    token.kind = RtfToken::Kind::ControlSymbol;
    token.symbol = data_[pos_++];
    return token;
}

RtfToken RtfTokenizer::readControlWord()
{
    const qsizetype start = pos_;
    while (!atEnd() && isLetter(peek()))
        ++pos_;

    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    token.text = data_.sliced(start, pos_ - start);
    const bool negative =
        !atEnd() && peek() == '-' && pos_ + 1 < data_.size() && isDigit(data_[pos_ + 1]);
    if (negative || (!atEnd() && isDigit(peek()))) {
        token.hasParameter = true;
        token.parameter = readParameter();
    }
    if (!atEnd() && peek() == ' ')
        ++pos_;
    if (token.hasParameter && token.text == "bin")
        skipBinaryData(token.parameter);
    return token;
}

std::int32_t RtfTokenizer::readParameter()
{
    const bool negative = peek() == '-';
    if (negative)
        ++pos_;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    while (!atEnd() && isDigit(peek())) {
        value = std::min(value * 10 + (peek() - '0'), limit);
        ++pos_;
    }
    if (negative)
        return std::int32_t(-value);
    return std::int32_t(std::min(value, limit - 1));
}

void RtfTokenizer::skipBinaryData(std::int32_t length)
{
    if (length > 0)
        pos_ += std::min<qsizetype>(length, data_.size() - pos_);
}

RtfToken RtfTokenizer::readHexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && !atEnd() && hexValue(peek()) >= 0) {
        value = value * 16 + hexValue(peek());
        ++digits;
        ++pos_;
    }
    RtfToken token;
    if (digits == 0) {
        // "\'" without a hexadecimal digit: a symbol that means nothing.
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = '\'';
        return token;
    }
    token.kind = RtfToken::Kind::HexByte;
    token.byte = std::uint8_t(value);
    return token;
}

RtfToken RtfTokenizer::readText()
{
    const qsizetype start = pos_;
    while (!atEnd() && peek() != '{' && peek() != '}' && peek() != '\\' && !isLineEnd(peek()))
        ++pos_;
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = data_.sliced(start, pos_ - start);
    return token;
}
