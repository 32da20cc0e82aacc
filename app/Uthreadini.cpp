#include "Uthreadini.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringView>
#include <array>

namespace {

// Windows-1252 characters 0x80..0x9F; the undefined ones map to themselves as C1 controls.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

bool isBlank(QChar c)
{
    return c == ' ' || c == '\t';
}

QStringView trimmed(QStringView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QStringView unquoted(QStringView s)
{
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.mid(1, s.size() - 2);
    return s;
}

bool parseDigits(QStringView digits, int base, long long& value)
{
    if (digits.isEmpty() || digits.size() > 16)
        return false;
    value = 0;
    for (const QChar c : digits) {
        const int digit = (c >= '0' && c <= '9') ? c.unicode() - '0'
                          : (base == 16 && QStringLiteral("abcdefABCDEF").contains(c))
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0 || digit >= base)
            return false;
        value = value * base + digit;
    }
    return true;
}

} // namespace

QString TIniFile::DecodeText(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(view.toByteArray());
}

bool TIniFile::ParseInteger(const QString& text, long long& value)
{
    QStringView s(text);
    if (s.size() >= 3 && s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return parseDigits(s.mid(2), 16, value) && value <= UINT32_MAX;
    bool negative = false;
    if (!s.isEmpty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s = s.mid(1);
    }
    const bool ok =
        s.startsWith('$') ? parseDigits(s.mid(1), 16, value) : parseDigits(s, 10, value);
    if (ok && negative)
        value = -value;
    return ok && value >= INT32_MIN && value <= UINT32_MAX;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly))
        return def;
    const QString text = DecodeText(file.readAll());

    bool inSection = false;
    qsizetype pos = 0;
    while (pos <= text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QStringView line = trimmed(QStringView(text).mid(pos, end - pos));
        pos = end + 1;

        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.indexOf(']');
            const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
            inSection = trimmed(name).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const auto equals = line.indexOf('=');
        if (equals < 0 || trimmed(line.left(equals)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        return unquoted(trimmed(line.mid(equals + 1))).left(kMaxValueLength).toString();
    }
    return def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    long long value = 0;
    if (!ParseInteger(ReadString(section, key, QString()), value))
        return def;
    return value != 0;
}

CThreadIni::CThreadIni(const QString& fileName, const QString* mutexName)
    : fileName_(fileName), reader_(fileName), hasMutexName_(mutexName != nullptr),
      mutexName_(mutexName != nullptr ? *mutexName : QString())
{
    // A name would make the lock system-wide; the program only ever passes none, and one
    // process-wide lock serialises its readers the same way.
}

CThreadIni::~CThreadIni() = default;

TIniFile& CThreadIni::Lock()
{
    mutex_.lock();
    return reader_;
}

void CThreadIni::Unlock()
{
    mutex_.unlock();
}

QString CThreadIni::ReadString(const QString& section, const QString& key, const QString& def)
{
    IniLock lock(*this);
    return lock.reader().ReadString(section, key, def);
}

QString CThreadIni::ReadString(const QString& section, const QString& key, const char* def)
{
    return ReadString(section, key, QString::fromUtf8(def != nullptr ? def : ""));
}

bool CThreadIni::ReadBool(const QString& section, const QString& key, bool def)
{
    IniLock lock(*this);
    return lock.reader().ReadBool(section, key, def);
}
