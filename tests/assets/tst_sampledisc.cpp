#include "app/Uglobalvar.h"
#include "app/Uthreadini.h"
#include "wizard/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kDiscSource = QStringLiteral(KZL_DISC_SOURCE);
const QString kBuildFolder = QStringLiteral(KZL_DISC_BUILT);

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(SampleDisc, ProductSectionSetsTheProductTexts)
{
    const TIniFile ini(kDiscSource + "Setup.ini");
    EXPECT_EQ(ini.ReadString("Product", "ShortName", ""), "KZL-958WB");
    EXPECT_EQ(ini.ReadString("Product", "AppTitle", ""), "KZL-958WB Setup Wizard");
    EXPECT_FALSE(ini.ReadString("Product", "MsgTitle", "").isEmpty());
    EXPECT_EQ(ini.ReadString("Product", "QIG", ""), "QIG");
    EXPECT_TRUE(ini.ReadString("Product", "ProductReg", "").startsWith("https://www.example.com/"));
}

// What the menu and the licence page open must be there, beside the program, and be what its
// name promises.
TEST(SampleDisc, BuildPutsEveryNamedFileBesideTheProgram)
{
    const TIniFile ini(kBuildFolder + "Setup.ini");
    EXPECT_EQ(contentOf(kBuildFolder + "Setup.ini"), contentOf(kDiscSource + "Setup.ini"));

    const QString license = ini.ReadString("Product", "License", "");
    ASSERT_FALSE(license.isEmpty());
    EXPECT_TRUE(RtfReader::IsRtf(contentOf(kBuildFolder + license)));

    const QString guide = ini.ReadString("Product", "UserGuide", "");
    ASSERT_FALSE(guide.isEmpty());
    EXPECT_TRUE(contentOf(kBuildFolder + guide).startsWith("%PDF-"));
    EXPECT_EQ(contentOf(kBuildFolder + guide), contentOf(kDiscSource + guide));

    const QDir qig(kBuildFolder + ini.ReadString("Product", "QIG", ""));
    EXPECT_TRUE(qig.exists());
    EXPECT_FALSE(qig.entryList(QDir::Files).isEmpty());
}

TEST(SampleDisc, TextSectionsHoldTheBuiltInTexts)
{
    const TIniFile ini(kDiscSource + "Setup.ini");
    const char* messages[] = {
        "MSG_Exit",          "ER_FILE_UG",         "MSG_InstAcrobat",  "ER_FILE_Acrobat",
        "ER_Ethr_Interface", "ER_CONNECT",         "ER_LOGIN",         "ErIPAddr",
        "ErSubnetMask",      "ErIPSameAsLocahost", "ErDefaultGateway", "ER_Empty_SSID",
        "ER_WEPKey",         "ER_PSKKeyHex",       "ER_PSKKey",        "ER_PIN_Code"};
    for (const char* key : messages)
        EXPECT_EQ(ini.ReadString("Message", key, "(absent)"), CGlobalVar::BuiltInMessage(key))
            << key;
    // Left out, so that they keep following the general WEP message.
    EXPECT_EQ(ini.ReadString("Message", "ER_WEP64", "(absent)"), "(absent)");

    const CGlobalVar defaults;
    const struct
    {
        const char* key;
        const QString& builtIn;
    } names[] = {
        {"SecurityNone", defaults.securityModeNames[0]},
        {"SecurityWEP", defaults.securityModeNames[1]},
        {"SecurityWPAPSK", defaults.securityModeNames[2]},
        {"SecurityWPA", defaults.securityModeNames[3]},
        {"AuthenOpen", defaults.authModeNames[0]},
        {"AuthenShared", defaults.authModeNames[1]},
        {"AuthenAuto", defaults.authModeNames[2]},
        {"WEP64", defaults.wepKeyLengthNames[0]},
        {"WEP128", defaults.wepKeyLengthNames[1]},
        {"WPA_WPA", defaults.wpaModeNames[0]},
        {"WPA_WPA2", defaults.wpaModeNames[1]},
        {"WPA_WPAAuto", defaults.wpaModeNames[2]},
        {"CipherTKIP", defaults.wpaCipherNames[0]},
        {"CipherAES", defaults.wpaCipherNames[1]},
        {"CipherAuto", defaults.wpaCipherNames[2]},
    };
    for (const auto& name : names)
        EXPECT_EQ(ini.ReadString("String", name.key, "(absent)"), name.builtIn) << name.key;

    EXPECT_FALSE(ini.ReadBool("Setting", "NonWorking", true));
    EXPECT_FALSE(ini.ReadBool("Setting", "SkipLicense", true));
    EXPECT_FALSE(ini.ReadBool("Setting", "SkipTutorial", true));
}

} // namespace
