#include "TempProgram.h"
#include "app/Uthreadini.h"

#include <gtest/gtest.h>

namespace {

struct StringCase
{
    const char* name;
    QByteArray fileText;
    QString section;
    QString key;
    QString expected;
};

class ReadStringRules : public ::testing::TestWithParam<StringCase>
{};

const QByteArray kLongValue(3000, 'v');

const StringCase kStringCases[] = {
    {"PlainValue", "[Product]\nShortName=ABC\n", "Product", "ShortName", "ABC"},
    {"SectionAndKeyIgnoreCase", "[pRoDuCt]\nshortname=ABC\n", "PRODUCT", "SHORTNAME", "ABC"},
    {"BlanksAroundTrimmed", "[S]\n  Key  =   some value  \t\n", "S", "Key", "some value"},
    {"EmptyValueIsEmptyNotDefault", "[S]\nKey=\n", "S", "Key", ""},
    {"MissingKeyGivesDefault", "[S]\nOther=1\n", "S", "Key", "<default>"},
    {"MissingSectionGivesDefault", "[T]\nKey=1\n", "S", "Key", "<default>"},
    {"DoubleQuotesKeepInnerBlanks", "[S]\nKey=\"  two words  \"\n", "S", "Key", "  two words  "},
    {"SingleQuotesRemoved", "[S]\nKey='quoted'\n", "S", "Key", "quoted"},
    {"OnlyOnePairRemoved", "[S]\nKey=\"\"x\"\"\n", "S", "Key", "\"x\""},
    {"UnbalancedQuoteKept", "[S]\nKey=\"open\n", "S", "Key", "\"open"},
    {"ValueCutTo2047", "[S]\nKey=" + kLongValue + "\n", "S", "Key", QString(2047, 'v')},
    {"CrLfLineEnds", "[S]\r\nKey=crlf\r\nNext=2\r\n", "S", "Key", "crlf"},
    {"FirstDuplicateWins", "[S]\nKey=first\nKey=second\n", "S", "Key", "first"},
    {"CommentLineIgnored", "[S]\n;Key=comment\nKey=real\n", "S", "Key", "real"},
    {"EqualsInsideValueKept", "[S]\nKey=a=b\n", "S", "Key", "a=b"},
    {"Utf8BomSkipped", "\xEF\xBB\xBF[S]\nKey=caf\xC3\xA9\n", "S", "Key", QString::fromUtf8("café")},
    {"Windows1252WhenNotUtf8", "[S]\nKey=caf\xE9 \x80\n", "S", "Key", QString::fromUtf8("café €")},
    {"KeyBeforeAnySectionIgnored", "Key=x\n[S]\n", "S", "Key", "<default>"},
};

TEST_P(ReadStringRules, FollowsTheProfileRules)
{
    const StringCase& c = GetParam();
    TempProgram program;
    program.write("Setup.ini", c.fileText);
    CThreadIni ini(program.path("Setup.ini"));
    EXPECT_EQ(ini.ReadString(c.section, c.key, QString("<default>")), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ini, ReadStringRules, ::testing::ValuesIn(kStringCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BoolCase
{
    const char* name;
    const char* value; // nullptr: the key is missing
    bool def;
    bool expected;
};

class ReadBoolRules : public ::testing::TestWithParam<BoolCase>
{};

const BoolCase kBoolCases[] = {
    {"One", "1", false, true},
    {"MinusOne", "-1", false, true},
    {"Hex10", "0x10", false, true},
    {"Zero", "0", true, false},
    {"HexZero", "0x0", true, false},
    {"DollarHex", "$1F", false, true},
    {"UpperHexPrefix", "0XfF", false, true},
    {"EmptyGivesDefaultTrue", "", true, true},
    {"EmptyGivesDefaultFalse", "", false, false},
    {"WordTrueGivesDefault", "true", false, false},
    {"WordOnGivesDefault", "on", true, true},
    {"BareHexPrefixGivesDefault", "0x", true, true},
    {"TrailingJunkGivesDefault", "1x", false, false},
    {"MissingKeyGivesDefault", nullptr, true, true},
};

TEST_P(ReadBoolRules, ReadsIntegersOnly)
{
    const BoolCase& c = GetParam();
    TempProgram program;
    QByteArray text = "[Setting]\n";
    if (c.value != nullptr)
        text += QByteArray("Flag=") + c.value + "\n";
    program.write("Setup.ini", text);
    CThreadIni ini(program.path("Setup.ini"));
    EXPECT_EQ(ini.ReadBool("Setting", "Flag", c.def), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ini, ReadBoolRules, ::testing::ValuesIn(kBoolCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CThreadIni, MissingFileReadsAsEmpty)
{
    CThreadIni ini("/nonexistent/folder/Setup.ini");
    EXPECT_EQ(ini.ReadString("Product", "ShortName", "dflt"), "dflt");
    EXPECT_TRUE(ini.ReadBool("Setting", "NonWorking", true));
    EXPECT_FALSE(ini.ReadBool("Setting", "NonWorking", false));
}

TEST(CThreadIni, EveryReadSeesTheFileAsItIsNow)
{
    TempProgram program;
    program.write("Setup.ini", "[S]\nKey=old\n");
    CThreadIni ini(program.path("Setup.ini"));
    EXPECT_EQ(ini.ReadString("S", "Key", ""), "old");
    program.write("Setup.ini", "[S]\nKey=new\n");
    EXPECT_EQ(ini.ReadString("S", "Key", ""), "new");
}

TEST(CThreadIni, LockHandsOutTheReaderAndReadsStillWorkAfterUnlock)
{
    TempProgram program;
    program.write("Setup.ini", "[S]\nA=1\nB=2\n");
    CThreadIni ini(program.path("Setup.ini"));
    {
        IniLock lock(ini);
        EXPECT_EQ(lock.reader().ReadString("S", "A", ""), "1");
        EXPECT_EQ(lock.reader().ReadString("S", "B", ""), "2");
    }
    EXPECT_EQ(ini.ReadString("S", "A", "x"), "1");
}

} // namespace
