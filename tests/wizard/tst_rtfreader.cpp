#include "wizard/RtfDocumentWriter.h"
#include "wizard/RtfReader.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>
#include <ostream>

// Failures print texts as text.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "tst_rtfreader";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

// The document's paragraphs, joined by "\n" (a \line stays U+2028 inside its paragraph).
QString paragraphsOf(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs.join(u'\n');
}

QString shown(const QByteArray& bytes)
{
    QTextDocument document;
    RtfReader::Load(bytes, document);
    return paragraphsOf(document);
}

// The format of the run of text that holds needle; fails the test when there is none.
QTextCharFormat formatOf(const QTextDocument& document, const QString& needle)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(needle))
                return it.fragment().charFormat();
        }
    }
    ADD_FAILURE() << "no text run holds " << needle.toStdString();
    return {};
}

QTextBlockFormat blockFormatOf(const QTextDocument& document, const QString& needle)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(needle))
            return block.blockFormat();
    }
    ADD_FAILURE() << "no paragraph holds " << needle.toStdString();
    return {};
}

class RtfReaderTest : public ::testing::Test
{
protected:
    RtfReaderTest() { ensureGuiApplication(); }

    QTextDocument& load(const QByteArray& bytes)
    {
        RtfReader::Load(bytes, document);
        return document;
    }

    QTextDocument document;
};

// ---- what is rich text

TEST_F(RtfReaderTest, OnlyBytesThatBeginWithTheRtfGroupAreRichText)
{
    EXPECT_TRUE(RtfReader::IsRtf("{\\rtf1\\ansi hello}"));
    EXPECT_TRUE(RtfReader::IsRtf("{\\rtf"));
    EXPECT_FALSE(RtfReader::IsRtf(" {\\rtf1 hello}"));
    EXPECT_FALSE(RtfReader::IsRtf("{\\RTF1 hello}"));
    EXPECT_FALSE(RtfReader::IsRtf("rtf1"));
    EXPECT_FALSE(RtfReader::IsRtf(""));
}

// ---- plain text

struct PlainCase
{
    const char* name;
    QByteArray bytes;
    QString expected;
};

void PrintTo(const PlainCase& row, std::ostream* out)
{
    *out << row.name;
}

class PlainTextTest : public RtfReaderTest, public ::testing::WithParamInterface<PlainCase>
{};

TEST_P(PlainTextTest, IsShownAsItsText)
{
    EXPECT_EQ(shown(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decoding, PlainTextTest,
    ::testing::Values(
        PlainCase{"Utf8",
                  "Gr\xC3\xBC\xC3\x9F"
                  "e {not rtf}",
                  QString::fromUtf8("Grüße {not rtf}")},
        PlainCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBFLicence", "Licence"},
        PlainCase{"Windows1252WhenNotUtf8",
                  "Gr\xFC\xDF"
                  "e \x80 \x93quoted\x94",
                  QString::fromUtf8("Grüße € “quoted”")},
        PlainCase{"Utf16LittleEndianWithByteOrderMark", QByteArray("\xFF\xFEO\0K\0", 6), "OK"},
        PlainCase{"Utf16BigEndianWithByteOrderMark", QByteArray("\xFE\xFF\0O\0K", 6), "OK"},
        PlainCase{"WindowsLineEnds", "one\r\ntwo\rthree\nfour", "one\ntwo\nthree\nfour"},
        PlainCase{"RtfWordsAreNotReadOutsideRtf", "\\b bold\\par", "\\b bold\\par"},
        PlainCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- text and paragraphs

struct TextCase
{
    const char* name;
    QByteArray rtf;
    QString expected;
};

void PrintTo(const TextCase& row, std::ostream* out)
{
    *out << row.name;
}

class TextTest : public RtfReaderTest, public ::testing::WithParamInterface<TextCase>
{};

TEST_P(TextTest, ShowsTheTextOfTheFile)
{
    EXPECT_EQ(shown(GetParam().rtf), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, TextTest,
    ::testing::Values(
        TextCase{"ParEndsAParagraph", "{\\rtf1 One\\par Two\\par\\pard Three}", "One\nTwo\nThree"},
        TextCase{"ParAtTheEndLeavesAnEmptyLastParagraph", "{\\rtf1 One\\par}", "One\n"},
        TextCase{"BackslashAndLineEndIsAParagraphEnd", "{\\rtf1 One\\\nTwo}", "One\nTwo"},
        TextCase{"LineEndsOfTheFileAreNoText", "{\\rtf1 One\r\n Two\nThree}", "One TwoThree"},
        TextCase{"LineIsABreakInsideTheParagraph", "{\\rtf1 One\\line Two}",
                 QStringLiteral("One\u2028Two")},
        TextCase{"TabAndCell", "{\\rtf1 a\\tab b\\cell c}", "a\tb\tc"},
        TextCase{"SpaceAfterAControlWordIsItsDelimiter", "{\\rtf1 \\b x\\b0  y}", "x y"},
        TextCase{"PageSectAndRowEndParagraphs", "{\\rtf1 a\\page b\\sect c\\row d}", "a\nb\nc\nd"},
        TextCase{"TextAfterTheDocumentGroupIsNotShown", "{\\rtf1 in}out", "in"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Characters, TextTest,
    ::testing::Values(
        TextCase{"EscapedBracesAndBackslash", "{\\rtf1 \\{a\\}\\\\b}", "{a}\\b"},
        TextCase{"NonBreakingSpaceAndHyphen", "{\\rtf1 a\\~b\\_c\\-d}",
                 QStringLiteral("a\u00A0b\u2011cd")},
        TextCase{"TypographicWords",
                 "{\\rtf1 \\lquote a\\rquote \\ldblquote b\\rdblquote \\emdash\\endash\\bullet}",
                 QStringLiteral("\u2018a\u2019\u201Cb\u201D\u2014\u2013\u2022")},
        TextCase{"UnicodeWithItsDefaultOneCharacterFallback", "{\\rtf1 \\u8364?5}",
                 QStringLiteral("\u20AC5")},
        TextCase{"UnicodeFallbackOfTwoHexBytes", "{\\rtf1\\uc2 \\u20013\\'a4\\'a4!}",
                 QStringLiteral("\u4E2D!")},
        TextCase{"UnicodeWithoutFallback", "{\\rtf1\\uc0 \\u233\\u233 x}",
                 QStringLiteral("\u00E9\u00E9x")},
        TextCase{"NegativeUnicodeIsAbove7FFF", "{\\rtf1 \\u-3913?}", QStringLiteral("\uF0B7")},
        TextCase{"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}", QStringLiteral("\U0001F600")},
        TextCase{"LoneSurrogateIsReplaced", "{\\rtf1 \\u-10179?x}", QStringLiteral("\uFFFDx")},
        TextCase{"FallbackCountsAControlWordAsOneCharacter", "{\\rtf1\\uc2 \\u233\\b ab}",
                 QStringLiteral("\u00E9b")},
        TextCase{"FallbackEndsAtAGroupEnd", "{\\rtf1\\uc3 {\\u233?}xyz}",
                 QStringLiteral("\u00E9xyz")},
        TextCase{"FallbackCountIsKeptPerGroup", "{\\rtf1 {\\uc2 \\u233??}\\u233?x}",
                 QStringLiteral("\u00E9\u00E9x")},
        TextCase{"ControlCharactersAreDropped", "{\\rtf1 a\\'00\\'07\x01z\\u10?\\u13?b}", "azb"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CodePages, TextTest,
    ::testing::Values(
        TextCase{"Windows1252ByDefault", "{\\rtf1 caf\\'e9 \\'80}",
                 QStringLiteral("caf\u00E9 \u20AC")},
        TextCase{"Windows1252", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}",
                 QStringLiteral("caf\u00E9")},
        TextCase{"Windows1250", "{\\rtf1\\ansi\\ansicpg1250 \\'e8\\'9a}",
                 QStringLiteral("\u010D\u0161")},
        TextCase{"Windows1251", "{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}",
                 QStringLiteral("\u0414\u0430")},
        TextCase{"Gbk936", "{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}",
                 QStringLiteral("\u4E2D\u6587")},
        TextCase{"Big5950", "{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4\\'a4\\'e5}",
                 QStringLiteral("\u4E2D\u6587")},
        TextCase{"Big5WithAPlainTrailByte", "{\\rtf1\\ansi\\ansicpg950 \\'a4@}",
                 QStringLiteral("\u4E00")},
        TextCase{"Big5WithAnEscapedBackslashTrailByte", "{\\rtf1\\ansi\\ansicpg950 \\'a5\\\\}",
                 QStringLiteral("\u529F")},
        TextCase{"EightBitTextInTheCodePage", "{\\rtf1\\ansi\\ansicpg1250 \xE8}",
                 QStringLiteral("\u010D")},
        TextCase{"MacRoman", "{\\rtf1\\mac \\'8e}", QStringLiteral("\u00E9")},
        TextCase{"UnknownCodePageIsRead1252", "{\\rtf1\\ansi\\ansicpg4242 \\'e9}",
                 QStringLiteral("\u00E9")},
        TextCase{"ByteThatIsNoCharacterIsReplaced", "{\\rtf1 a\\'81b}", QStringLiteral("a\uFFFDb")},
        TextCase{"DoubleByteCutShortIsReplaced", "{\\rtf1\\ansicpg950 \\'a4}",
                 QStringLiteral("\uFFFD")},
        TextCase{"DoubleByteCutByAParagraphIsReplaced", "{\\rtf1\\ansicpg950 \\'a4\\par\\'a4}",
                 QStringLiteral("\uFFFD\n\uFFFD")}),
    [](const auto& info) { return std::string(info.param.name); });

// A font table in the usual shape: Western, Big5, Central European and GBK fonts.
const QByteArray kFontTable = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                              "{\\f1\\fnil\\fcharset136 PMingLiU{\\*\\falt \\'b7\\'73};}"
                              "{\\f2\\fswiss\\fcharset238 Arial CE;}"
                              "{\\f3\\fnil\\fcharset0\\cpg936 SimSun;}}";

INSTANTIATE_TEST_SUITE_P(
    FontCharsets, TextTest,
    ::testing::Values(
        TextCase{"FontSwitchesFollowTheFontTable",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0" + kFontTable +
                     "\\'e9 {\\f1 \\'a4\\'a4} {\\f2 \\'e8}\\f3 \\'d6\\'d0\\f0 \\'e9}",
                 QStringLiteral("\u00E9 \u4E2D \u010D\u4E2D\u00E9")},
        TextCase{"AnsiCharsetIsWindows1252EvenInABig5Document",
                 "{\\rtf1\\ansi\\ansicpg950\\deff1" + kFontTable + "\\'a4\\'a4\\f0 \\'a9}",
                 QStringLiteral("\u4E2D\u00A9")},
        TextCase{"FontWithoutCharsetTakesTheDocumentCodePage",
                 "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0 \\'e8}",
                 QStringLiteral("\u010D")},
        TextCase{"DefaultCharsetTakesTheDocumentCodePage",
                 "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset1 Arial;}}\\f0 \\'e8}",
                 QStringLiteral("\u010D")},
        TextCase{"SymbolCharsetIsWindows1252",
                 "{\\rtf1\\ansi\\ansicpg950{\\fonttbl{\\f3\\fcharset2 Symbol;}}{\\f3 \\'b7}}",
                 QStringLiteral("\u00B7")},
        TextCase{"DefaultFontGivesTheCodePageOfUnmarkedText",
                 "{\\rtf1\\ansi\\deff1" + kFontTable + "\\'a4\\'a4}", QStringLiteral("\u4E2D")},
        TextCase{"PlainReturnsToTheDefaultFont",
                 "{\\rtf1\\ansi\\deff0" + kFontTable + "\\f1\\plain \\'e9}",
                 QStringLiteral("\u00E9")},
        TextCase{"FontTableWithoutInnerGroups",
                 "{\\rtf1{\\fonttbl\\f0\\fcharset0 Arial;\\f1\\fcharset204 Cyr;}\\f1 \\'c4}",
                 QStringLiteral("\u0414")},
        TextCase{"UnknownFontUsesTheDocumentCodePage",
                 "{\\rtf1\\ansicpg1250" + kFontTable + "\\f9 \\'e8}", QStringLiteral("\u010D")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SkippedGroups, TextTest,
    ::testing::Values(
        TextCase{"FontTableNamesAreNotShown", "{\\rtf1" + kFontTable + "A}", "A"},
        TextCase{"ColourTable", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}A}", "A"},
        TextCase{"StyleSheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}A}", "A"},
        TextCase{"DocumentInformation", "{\\rtf1{\\info{\\title T}{\\author W}}A}", "A"},
        TextCase{"IgnorableDestination", "{\\rtf1 A{\\*\\generator Writer 1.0;}B{\\*\\x y}C}",
                 "ABC"},
        TextCase{"PictureWithHexData", "{\\rtf1 A{\\pict\\pngblip 89504e47}B}", "AB"},
        TextCase{"PictureWithBinaryData", "{\\rtf1 A{\\pict\\bin5 }{\\}x}B}", "AB"},
        TextCase{"HeaderFooterFootnote", "{\\rtf1{\\header H}{\\footer F}A{\\footnote N}B\\par}",
                 "AB\n"},
        TextCase{"FieldShowsItsResultOnly",
                 "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", "link"},
        TextCase{"FieldInstructionWithoutStar", "{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 1}}}",
                 "1"},
        TextCase{"NestedGroupsInsideASkippedGroup", "{\\rtf1{\\info{{{{x}}}}y}A}", "A"},
        TextCase{"UnknownWordsAreIgnored", "{\\rtf1\\lang1033\\widctlpar\\kerning1 A}", "A"}),
    [](const auto& info) { return std::string(info.param.name); });

// Files as word processors write them: a long header of tables, then the text.
const QByteArray kWordProcessorFile =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New "
    "Roman;}{\\f34\\fbidi \\froman\\fcharset1\\fprq2 Cambria Math;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red5\\green99\\blue193;}{\\*\\defchp \\fs22 }"
    "{\\*\\defpap \\ql \\li0\\ri0\\sa200\\sl276\\slmult1 }\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\sa200 \\rtlch\\fcs1 \\af0\\afs22 \\ltrch\\fcs0 "
    "\\fs22\\lang1033 "
    "\\snext0 \\sqformat \\spriority0 Normal;}{\\*\\cs10 \\additive \\ssemihidden Default "
    "Paragraph Font;}}\r\n"
    "{\\*\\rsidtbl \\rsid1\\rsid2}{\\*\\mmathPr\\mmathFont34}{\\info{\\author A}"
    "{\\creatim\\yr2020\\mo1\\dy1}}{\\*\\xmlnstbl {\\xmlns1 http://schemas.example.com/wordml}}"
    "\\paperw12240\\paperh15840\r\n"
    "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\sa200\\widctlpar\\wrapdefault\\itap0 \\rtlch\\fcs1 "
    "\\af0\\afs22\\alang1025 \\ltrch\\fcs0 \\fs22\\lang1033\\langfe1033 {\\rtlch\\fcs1 \\af0 "
    "\\ltrch\\fcs0 \\b\\insrsid1 Heading}{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\insrsid1 \\par }\r\n"
    "{\\listtext\\pard\\plain \\ltrpar \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\f3\\fs22\\insrsid1 "
    "\\loch\\af3\\dbch\\af0\\hich\\f3 \\'b7\\tab}Item\\par\r\n"
    "{\\field{\\*\\fldinst {\\insrsid1 HYPERLINK \"https://www.example.com/\" }}{\\fldrslt "
    "{\\cs15\\ul\\cf2\\insrsid1 link}}}\\par\r\n"
    "{\\*\\themedata 504b0304}{\\*\\colorschememapping 3c3f78}{\\*\\latentstyles\\lsdstimax376 "
    "{\\lsdlockedexcept \\lsdqformat1 Normal;}}{\\*\\datastore 0105000002000000}}\r\n";

const QByteArray kChineseEditorFile =
    "{\\rtf1\\ansi\\ansicpg950\\deff0\\deflang1033\\deflangfe1028{\\fonttbl{\\f0\\fnil\\fprq2"
    "\\fcharset136 \\'b7\\'73\\'b2\\'d3\\'a9\\'fa\\'c5\\'e9;}{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang1028\\f0\\fs20\\'a4\\'a4"
    "\\'a4\\'e5\\lang1033\\f1 ABC \\'e9\\par\r\n}\r\n";

INSTANTIATE_TEST_SUITE_P(
    RealWorld, TextTest,
    ::testing::Values(TextCase{"WordProcessorFile", kWordProcessorFile,
                               QStringLiteral("Heading\n\u00B7\tItem\nlink\n")},
                      TextCase{"ChineseEditorFile", kChineseEditorFile,
                               QStringLiteral("\u4E2D\u6587ABC \u00E9\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RtfReaderTest, WordProcessorFileKeepsItsFormats)
{
    load(kWordProcessorFile);
    EXPECT_TRUE(formatOf(document, "Heading").font().bold());
    EXPECT_DOUBLE_EQ(formatOf(document, "Heading").fontPointSize(), 11.0);
    EXPECT_FALSE(formatOf(document, "Item").font().bold());
    EXPECT_TRUE(formatOf(document, "link").font().underline());
    EXPECT_DOUBLE_EQ(blockFormatOf(document, "Heading").bottomMargin(), 200 / 15.0);
}

// ---- formatting

TEST_F(RtfReaderTest, CharacterFormatsApplyToTheirRunsOfText)
{
    load("{\\rtf1 n {\\b b}{\\i i}{\\ul u}{\\strike s}{\\fs36 big}{\\super up}"
         "\\b\\i\\ul all\\b0\\i0\\ulnone  none}");
    EXPECT_FALSE(formatOf(document, "n ").font().bold());
    EXPECT_TRUE(formatOf(document, "b").font().bold());
    EXPECT_TRUE(formatOf(document, "i").font().italic());
    EXPECT_TRUE(formatOf(document, "u").font().underline());
    EXPECT_TRUE(formatOf(document, "s").font().strikeOut());
    EXPECT_DOUBLE_EQ(formatOf(document, "big").fontPointSize(), 18.0);
    EXPECT_EQ(formatOf(document, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat all = formatOf(document, "all");
    EXPECT_TRUE(all.font().bold() && all.font().italic() && all.font().underline());
    const QTextCharFormat none = formatOf(document, "none");
    EXPECT_FALSE(none.font().bold() || none.font().italic() || none.font().underline());
}

TEST_F(RtfReaderTest, GroupEndRestoresTheFormatBeforeTheGroup)
{
    load("{\\rtf1\\i a{\\b\\i0\\fs40 b{\\ul c}d}e}");
    EXPECT_TRUE(formatOf(document, "a").font().italic());
    EXPECT_FALSE(formatOf(document, "b").font().italic());
    EXPECT_TRUE(formatOf(document, "c").font().underline());
    EXPECT_FALSE(formatOf(document, "d").font().underline());
    EXPECT_TRUE(formatOf(document, "d").font().bold());
    const QTextCharFormat e = formatOf(document, "e");
    EXPECT_TRUE(e.font().italic());
    EXPECT_FALSE(e.font().bold());
    EXPECT_FALSE(e.hasProperty(QTextFormat::FontPointSize));
}

TEST_F(RtfReaderTest, PlainResetsTheCharacterFormat)
{
    load("{\\rtf1\\b\\i\\fs40 a\\plain b}");
    const QTextCharFormat b = formatOf(document, "b");
    EXPECT_FALSE(b.font().bold() || b.font().italic());
    EXPECT_FALSE(b.hasProperty(QTextFormat::FontPointSize));
}

TEST_F(RtfReaderTest, TextWithoutASizeTakesTheDocumentsDefaultFont)
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(8);
    document.setDefaultFont(tahoma);
    load("{\\rtf1 plain {\\fs0 zero}}");
    EXPECT_EQ(document.defaultFont(), tahoma);
    EXPECT_FALSE(formatOf(document, "plain").hasProperty(QTextFormat::FontPointSize));
    EXPECT_FALSE(formatOf(document, "zero").hasProperty(QTextFormat::FontPointSize));
}

TEST_F(RtfReaderTest, ParagraphFormatsFollowTheParagraphWords)
{
    load("{\\rtf1\\pard\\qc Title\\par\\pard\\li720\\ri360\\fi-360\\sb120\\sa240 Indented\\par"
         "\\pard Left\\par\\qr Right\\par\\qj Justified}");
    EXPECT_EQ(blockFormatOf(document, "Title").alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    const QTextBlockFormat indented = blockFormatOf(document, "Indented");
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indented.topMargin(), 8.0);
    EXPECT_DOUBLE_EQ(indented.bottomMargin(), 16.0);
    const QTextBlockFormat left = blockFormatOf(document, "Left");
    EXPECT_EQ(left.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(left.leftMargin(), 0.0);
    EXPECT_EQ(blockFormatOf(document, "Right").alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(blockFormatOf(document, "Justified").alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
}

// ---- the document

TEST_F(RtfReaderTest, LoadReplacesWhatTheDocumentHeldAndKeepsItsUndoSetting)
{
    document.setPlainText(QStringLiteral("old text"));
    load("{\\rtf1 new}");
    EXPECT_EQ(paragraphsOf(document), "new");
    EXPECT_TRUE(document.isUndoRedoEnabled());
    EXPECT_FALSE(document.isUndoAvailable());
    load("plain");
    EXPECT_EQ(paragraphsOf(document), "plain");
    EXPECT_TRUE(document.isUndoRedoEnabled());
}

TEST_F(RtfReaderTest, LoadFileReadsTheFileOrLeavesTheDocumentAsItWas)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("License.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 from file}");
    file.close();

    document.setPlainText(QStringLiteral("before"));
    EXPECT_FALSE(RtfReader::LoadFile(folder.filePath(QStringLiteral("missing.rtf")), document));
    EXPECT_EQ(paragraphsOf(document), "before");
    EXPECT_TRUE(RtfReader::LoadFile(path, document));
    EXPECT_EQ(paragraphsOf(document), "from file");
}

TEST_F(RtfReaderTest, SampleLicenceShowsBoldHeadingsItalicsAndItsNonAsciiCharacters)
{
    ASSERT_TRUE(RtfReader::LoadFile(QStringLiteral(KZL_SAMPLE_LICENSE), document));
    const QString text = paragraphsOf(document);
    EXPECT_TRUE(formatOf(document, "License Agreement").font().bold());
    EXPECT_TRUE(text.contains(QStringLiteral("\u00A9"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\u2013"))) << text.toStdString();
    EXPECT_FALSE(text.contains(u'\\') || text.contains(u'{') || text.contains(QChar(0xFFFD)));
    bool hasItalic = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            hasItalic = hasItalic || it.fragment().charFormat().font().italic();
    }
    EXPECT_TRUE(hasItalic);
}

// ---- broken files

struct BrokenCase
{
    const char* name;
    QByteArray rtf;
    QString expected;
};

void PrintTo(const BrokenCase& row, std::ostream* out)
{
    *out << row.name;
}

class BrokenFileTest : public RtfReaderTest, public ::testing::WithParamInterface<BrokenCase>
{};

TEST_P(BrokenFileTest, ShowsWhatCanBeRead)
{
    EXPECT_EQ(shown(GetParam().rtf), GetParam().expected);
}

QByteArray repeated(const char* piece, int count)
{
    return QByteArray(piece).repeated(count);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, BrokenFileTest,
    ::testing::Values(
        BrokenCase{"OnlyTheOpening", "{\\rtf", ""},
        BrokenCase{"MissingClosingBraces", "{\\rtf1 abc{\\b def", "abcdef"},
        BrokenCase{"TooManyClosingBraces", "{\\rtf1 a}}}}b{c", "a"},
        BrokenCase{"ClosingBraceFirstInsideTheDocument", "{\\rtf1 }a", ""},
        BrokenCase{"TruncatedAfterBackslash", "{\\rtf1 a\\", "a"},
        BrokenCase{"TruncatedHexByte", "{\\rtf1 a\\'", "a"},
        BrokenCase{"HexByteWithOneDigit", "{\\rtf1 a\\'4", "a"},
        BrokenCase{"HexByteWithoutDigits", "{\\rtf1 a\\'zz", "azz"},
        BrokenCase{"TruncatedUnicode", "{\\rtf1 a\\u", "a"},
        BrokenCase{"UnicodeWithMinusOnly", "{\\rtf1 a\\u-x", "a-x"},
        BrokenCase{"HugeUnicodeNumber", "{\\rtf1 \\u99999999999999999999?x}",
                   QStringLiteral("\uFFFDx")},
        BrokenCase{"HugeNegativeUnicodeNumber", "{\\rtf1 \\u-99999999999999999999?x}",
                   QStringLiteral("\uFFFDx")},
        BrokenCase{"HugeFallbackCount", "{\\rtf1\\uc99999999999 \\u233 hidden{\\b shown}}",
                   QStringLiteral("\u00E9shown")},
        BrokenCase{"NegativeFallbackCount", "{\\rtf1\\uc-5 \\u233?}", QStringLiteral("\u00E9?")},
        BrokenCase{"HugeFontSizeAndIndents",
                   "{\\rtf1\\fs99999999999\\li-99999999999\\fi99999999999 x}", "x"},
        BrokenCase{"HugeBinaryLength", "{\\rtf1 a\\bin99999999999 xyz}", "a"},
        BrokenCase{"NegativeBinaryLength", "{\\rtf1 a\\bin-5 xyz}", "axyz"},
        BrokenCase{"BinaryLongerThanTheFile", "{\\rtf1 a\\bin100 x}", "a"},
        BrokenCase{"HugeCodePageAndFontNumbers",
                   "{\\rtf1\\ansicpg99999999999\\deff-99999999999{\\fonttbl{\\f99999999999"
                   "\\fcharset99999999999\\cpg-1 X;}}\\f99999999999 \\'e9}",
                   QStringLiteral("\u00E9")},
        BrokenCase{"ControlWordOf3000Letters", "{\\rtf1 \\" + repeated("a", 3000) + " x}", "x"},
        BrokenCase{"ParameterOf3000Digits", "{\\rtf1 \\fs" + repeated("9", 3000) + " x}", "x"},
        BrokenCase{"FontNameOf3000Characters",
                   "{\\rtf1{\\fonttbl{\\f0 " + repeated("N", 3000) + ";}}x}", "x"},
        BrokenCase{"TextOf3000Characters", "{\\rtf1 " + repeated("t", 3000) + "}",
                   QString(3000, u't')},
        BrokenCase{"Nesting100000Levels",
                   "{\\rtf1 " + repeated("{", 100000) + "deep" + repeated("}", 100000) + " after}",
                   "deep after"},
        BrokenCase{"Nesting100000LevelsNeverClosed", "{\\rtf1 " + repeated("{x", 100000),
                   QString(100000, u'x')},
        BrokenCase{"DeepSkippedGroup",
                   "{\\rtf1{\\*\\x " + repeated("{", 100000) + "hidden" + repeated("}", 100000) +
                       "}shown}",
                   "shown"},
        BrokenCase{"NulBytesInTheMiddle", QByteArray("{\\rtf1 a\0b}", 11), "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RtfReaderTest, FormatChangesBeyondTheKeptNestingDoNotLeakPastTheirOutermostGroup)
{
    load("{\\rtf1 " + repeated("{", 2000) + "\\b deep" + repeated("}", 2000) + "after}");
    EXPECT_EQ(paragraphsOf(document), "deepafter");
    EXPECT_TRUE(formatOf(document, "deep").font().bold());
    EXPECT_FALSE(formatOf(document, "after").font().bold());
}

TEST_F(RtfReaderTest, ParagraphsPastTheLimitBecomeLineBreaksAndKeepTheirText)
{
    constexpr int kParagraphs = RtfDocumentWriter::kMaxParagraphs + 5;
    for (const QByteArray& bytes :
         {"{\\rtf1 " + repeated("p\\par ", kParagraphs) + "}", repeated("p\n", kParagraphs)}) {
        load(bytes);
        EXPECT_EQ(document.blockCount(), RtfDocumentWriter::kMaxParagraphs);
        EXPECT_EQ(document.toPlainText().count(u'p'), kParagraphs);
    }
}

TEST_F(RtfReaderTest, FormatChangesPastTheRunLimitKeepTheirText)
{
    constexpr int kPairs = RtfDocumentWriter::kMaxRuns;
    load("{\\rtf1 " + repeated("{\\b x}y", kPairs) + "}");
    int runs = 0;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it)
        ++runs;
    EXPECT_LE(runs, RtfDocumentWriter::kMaxRuns + 1);
    EXPECT_EQ(document.toPlainText().count(u'x'), kPairs);
    EXPECT_EQ(document.toPlainText().count(u'y'), kPairs);
    EXPECT_TRUE(formatOf(document, "x").font().bold());
}

TEST_F(RtfReaderTest, LoadFileReadsNoMoreThanTheLimit)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("huge.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(RtfReader::kMaxFileSize + 100, 'a'));
    file.close();

    ASSERT_TRUE(RtfReader::LoadFile(path, document));
    EXPECT_EQ(document.characterCount() - 1, RtfReader::kMaxFileSize);
}

// Random damage to a realistic file must neither crash nor hang (the sanitizer build runs this).
TEST_F(RtfReaderTest, RandomlyDamagedFilesAreReadWithoutFailing)
{
    const QByteArray sample =
        "{\\rtf1\\ansi\\ansicpg950\\deff0" + kFontTable +
        "{\\colortbl;\\red0\\green0\\blue0;}\\pard\\qc\\b\\fs28 Title\\b0\\par"
        "\\pard\\li720\\i caf\\'e9 \\u8364? {\\f1 \\'a4\\'a4}\\i0\\line\\tab x\\par"
        "{\\pict\\bin4 \x01\x02{}}{\\*\\x {y}}\\uc2\\u20013\\'a4\\'a4 \\{\\}\\\\ end\\par}";
    const char alphabet[] = "{}\\'0123456789abcdefu-* \r\n\xA4\xE9";
    QRandomGenerator random(20240607);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = sample;
        const int edits = 1 + int(random.bounded(8));
        for (int e = 0; e < edits && !damaged.isEmpty(); ++e) {
            const qsizetype at = random.bounded(qint64(damaged.size()));
            switch (random.bounded(4)) {
            case 0:
                damaged.remove(at, 1 + random.bounded(qint64(16)));
                break;
            case 1:
                damaged.insert(at, alphabet[random.bounded(int(sizeof(alphabet) - 1))]);
                break;
            case 2:
                damaged[at] = char(random.bounded(256));
                break;
            default:
                damaged.truncate(at);
                break;
            }
        }
        if (!damaged.startsWith("{\\rtf"))
            damaged.prepend("{\\rtf1 ");
        QTextDocument scratch;
        RtfReader::Load(damaged, scratch);
        ASSERT_FALSE(scratch.toPlainText().contains(QChar(0))) << "round " << round;
    }
}

} // namespace
