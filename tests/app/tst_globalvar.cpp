#include "TempProgram.h"
#include "app/Uglobalvar.h"
#include "platform/testing/RecordingShell.h"
#include "platform/testing/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(CGlobalVar, BuiltInDefaultsWithoutSettingsFile)
{
    TempProgram program;
    CGlobalVar g;
    ASSERT_TRUE(g.LoadSettings());
    EXPECT_EQ(g.exeDir, program.dir());
    EXPECT_EQ(g.shortName, "KZL-958WB");
    EXPECT_EQ(g.mutexName, "KZL-958WB_Mutex");
    EXPECT_EQ(g.appTitle, "Setup");
    EXPECT_EQ(g.msgTitle, "Setup");
    EXPECT_EQ(g.acrobatSetupPath, "");
    EXPECT_EQ(g.acrobatSetupTitle, "Adobe Reader 7.0.5 - Setup");
    EXPECT_EQ(g.password, "vexil");
    EXPECT_FALSE(g.nonWorking);
    EXPECT_EQ(g.securityModeNames[2], "WPA-PSK");
    EXPECT_EQ(g.authModeNames[2], "Auto");
    EXPECT_EQ(g.wepKeyLengthNames[1], "128 bit");
    EXPECT_EQ(g.wpaModeNames[2], "WPA or WPA2");
    EXPECT_EQ(g.wpaCipherNames[2], "TKIP and AES");
    EXPECT_EQ(g.Message("ER_LOGIN"), "Unable to login the deivce.");
    EXPECT_EQ(g.Message("ER_PSKKey"),
              "Passphrase should be between 8 to 63 charachers in ASCII format.");
}

TEST(CGlobalVar, ProductSettingsAndValueNamesComeFromTheFile)
{
    TempProgram program;
    program.write("Setup.ini", "[Product]\nShortName=Other\nAppTitle=My Setup\n"
                               "AcrobatReader=tools/reader.bin\n"
                               "[Setting]\nNonWorking=1\n[String]\nSecurityWEP=Wep!\n");
    CGlobalVar g;
    g.LoadSettings();
    EXPECT_EQ(g.mutexName, "Other_Mutex");
    EXPECT_EQ(g.appTitle, "My Setup");
    EXPECT_EQ(g.msgTitle, "My Setup"); // MsgTitle absent: the AppTitle value
    EXPECT_EQ(g.acrobatSetupPath, program.path("tools/reader.bin"));
    EXPECT_TRUE(g.nonWorking);
    EXPECT_EQ(g.securityModeNames[1], "Wep!");
    EXPECT_EQ(g.securityModeNames[0], "None");
}

TEST(CGlobalVar, EmptyShortNameGivesBareMutexSuffix)
{
    TempProgram program;
    program.write("Setup.ini", "[Product]\nShortName=\n");
    CGlobalVar g;
    g.LoadSettings();
    EXPECT_EQ(g.mutexName, "_Mutex");
}

TEST(CGlobalVar, MessagesAreReadWhenShown)
{
    TempProgram program;
    CGlobalVar g;
    g.LoadSettings();
    program.write("Setup.ini", "[Message]\nER_WEPKey=Bad key\nER_CONNECT=\n");
    EXPECT_EQ(g.Message("ER_WEP64"), "Bad key"); // falls back on the general WEP text
    EXPECT_EQ(g.Message("ER_WEP128Hex"), "Bad key");
    EXPECT_EQ(g.Message("ER_CONNECT"), ""); // present but empty
    program.write("Setup.ini", "[Message]\nER_WEP64=Short key\n");
    EXPECT_EQ(g.Message("ER_WEP64"), "Short key");
    EXPECT_EQ(g.Message("ER_WEP128"), "You have entered an incorrect WEP key. Please try again.");
}

TEST(CGlobalVar, MessageBoxesAreTitledMsgTitle)
{
    TempProgram program;
    program.write("Setup.ini", "[Product]\nMsgTitle=Box Title\n");
    GlobalVar().LoadSettings();
    ScriptedDialogs dialogs;
    dialogs.answers = {false};
    ShowMessageText("ER_CONNECT");
    EXPECT_FALSE(AskMessageText("MSG_Exit"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Notice);
    EXPECT_EQ(dialogs.shown[0].text, "Unable to connect to the device.");
    EXPECT_EQ(dialogs.shown[0].title, "Box Title");
    EXPECT_EQ(dialogs.shown[1].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(dialogs.shown[1].text, "Do you want to exit the Setup Wizard?");
}

TEST(CGlobalVar, ResetRecords)
{
    TempProgram program;
    program.write("Setup.ini", "[Setting]\nSSID=" + QByteArray(40, 'S') + "\n");
    CGlobalVar g;
    g.LoadSettings();
    WirelessSettings w;
    w.securityMode = 2;
    w.channelList[0] = 6;
    g.ResetWirelessSettings(w);
    EXPECT_EQ(std::string(w.ssid), std::string(32, 'S'));
    EXPECT_EQ(w.securityMode, 0);
    EXPECT_EQ(w.authMode, 2);
    EXPECT_EQ(w.wepKeyIndex, 1);
    EXPECT_EQ(w.wpaMode, 2);
    EXPECT_EQ(w.wpaCipher, 2);
    EXPECT_EQ(w.channelList[0], 0);

    program.write("Setup.ini", "");
    g.ResetWirelessSettings(w);
    EXPECT_STREQ(w.ssid, "wireless");

    IpSettings ip;
    ip.ipMode = 0;
    ip.ipAddress = 0xC0A80A64;
    g.ResetIpSettings(ip);
    EXPECT_EQ(ip.ipMode, 1);
    EXPECT_EQ(ip.ipAddress, 0u);
}

struct GuideCase
{
    const char* name;
    QByteArray settings;
    bool createFile;
    Shell::Association association;
    bool openSucceeds;
    int expected;
    QStringList expectedCalls;
};

class OpenUserGuide : public ::testing::TestWithParam<GuideCase>
{};

TEST_P(OpenUserGuide, AnswersByWhatTheShellSays)
{
    const GuideCase& c = GetParam();
    TempProgram program;
    program.write("Setup.ini", c.settings);
    if (c.createFile)
        program.write("guide.pdf", "%PDF-1.4");
    CGlobalVar g;
    g.LoadSettings();
    RecordingShell shell;
    shell.association = c.association;
    shell.openResult = c.openSucceeds;
    EXPECT_EQ(g.OpenUserGuide(), c.expected);
    QStringList expectedCalls;
    for (QString call : c.expectedCalls)
        expectedCalls << call.replace("$DIR/", program.dir());
    EXPECT_EQ(shell.calls, expectedCalls);
}

const GuideCase kGuideCases[] = {
    {"Opened",
     "[Product]\nUserGuide=guide.pdf\n",
     true,
     Shell::Association::Found,
     true,
     0,
     {"assoc $DIR/guide.pdf", "open $DIR/guide.pdf"}},
    {"NotNamed", "", true, Shell::Association::Found, true, 2, {}},
    {"FileMissing",
     "[Product]\nUserGuide=guide.pdf\n",
     false,
     Shell::Association::Found,
     true,
     2,
     {}},
    {"NoProgramAssociated",
     "[Product]\nUserGuide=guide.pdf\n",
     true,
     Shell::Association::NoneAssociated,
     true,
     3,
     {"assoc $DIR/guide.pdf"}},
    {"OpenFails",
     "[Product]\nUserGuide=guide.pdf\n",
     true,
     Shell::Association::Found,
     false,
     2,
     {"assoc $DIR/guide.pdf", "open $DIR/guide.pdf"}},
    {"OtherQueryFailureStillTriesToOpen",
     "[Product]\nUserGuide=guide.pdf\n",
     true,
     Shell::Association::Error,
     true,
     0,
     {"assoc $DIR/guide.pdf", "open $DIR/guide.pdf"}},
};

INSTANTIATE_TEST_SUITE_P(Guide, OpenUserGuide, ::testing::ValuesIn(kGuideCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
