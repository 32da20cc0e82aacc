#pragma once

#include <QString>
#include <mutex>

// Reads values from an INI file by the rules of the Windows private-profile functions: sections
// and keys match regardless of letter case, values are trimmed and lose one pair of enclosing
// quotes, at most 2047 characters are returned, a missing file, section or key gives the
// default while a key with nothing after "=" gives the empty text. Every read goes to the file.
class TIniFile
{
public:
    static constexpr int kMaxValueLength = 2047;

    explicit TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

    const QString& FileName() const { return fileName_; }
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // 0x.../0X... hexadecimal, $... hexadecimal, or decimal; anything else gives def.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // The file's text: UTF-8 (a BOM is skipped), or Windows-1252 when it is not valid UTF-8.
    static QString DecodeText(const QByteArray& bytes);
    // The value of the integer text, by the rules of ReadBool; false when it is none.
    static bool ParseInteger(const QString& text, long long& value);

private:
    QString fileName_;
};

// The program's one accessor of its settings file: every read is serialised by a lock, and a
// caller may hold the lock across many reads (Lock ... Unlock).
class CThreadIni
{
public:
    CThreadIni(const QString& fileName, const QString* mutexName = nullptr);
    virtual ~CThreadIni();
    CThreadIni(const CThreadIni&) = delete;
    CThreadIni& operator=(const CThreadIni&) = delete;

    virtual TIniFile& Lock();
    virtual void Unlock();
    virtual QString ReadString(const QString& section, const QString& key, const QString& def);
    virtual QString ReadString(const QString& section, const QString& key, const char* def);
    virtual bool ReadBool(const QString& section, const QString& key, bool def);

    const QString& fileName() const { return fileName_; }

private:
    QString fileName_;
    TIniFile reader_;
    bool hasMutexName_;
    QString mutexName_;
    std::mutex mutex_;
};

// Holds the accessor's lock for a scope: the bulk readers run inside one.
class IniLock
{
public:
    explicit IniLock(CThreadIni& ini) : ini_(ini), reader_(ini.Lock()) {}
    ~IniLock() { ini_.Unlock(); }
    IniLock(const IniLock&) = delete;
    IniLock& operator=(const IniLock&) = delete;
    TIniFile& reader() const { return reader_; }

private:
    CThreadIni& ini_;
    TIniFile& reader_;
};
