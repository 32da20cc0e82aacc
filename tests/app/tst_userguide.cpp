#include "TempProgram.h"
#include "app/Uglobalvar.h"
#include "app/UserGuide.h"
#include "platform/testing/RecordingShell.h"
#include "platform/testing/ScriptedDialogs.h"
#include "platform/testing/VirtualClock.h"

#include <gtest/gtest.h>

namespace {

// The program folder holds a guide; the shell says whether a PDF viewer is associated.
class UserGuideTest : public ::testing::Test
{
protected:
    void load(const QByteArray& settings)
    {
        program.write("Setup.ini", settings);
        program.write("guide.pdf", "%PDF-1.4");
        GlobalVar().LoadSettings();
    }

    TempProgram program;
    VirtualClock clock;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    TUserGuideLauncher launcher;
    const QByteArray guideAndReader =
        "[Product]\nUserGuide=guide.pdf\nAcrobatReader=AR/setup.bin\n";
};

TEST_F(UserGuideTest, OpensTheGuideWhenAViewerIsThere)
{
    load(guideAndReader);
    launcher.Open();
    EXPECT_EQ(shell.calls, QStringList({"assoc " + program.path("guide.pdf"),
                                        "open " + program.path("guide.pdf")}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(UserGuideTest, MissingGuideIsReported)
{
    load("[Product]\nUserGuide=absent.pdf\n");
    launcher.Open();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Notice);
    EXPECT_EQ(dialogs.shown[0].text, "Unable to open the user guide.");
}

TEST_F(UserGuideTest, NoViewerOffersTheInstallerAndNoDoesNothing)
{
    load(guideAndReader);
    shell.association = Shell::Association::NoneAssociated;
    dialogs.answers = {false};
    launcher.Open();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(dialogs.shown[0].text,
              "Acrobat Reader is not installed. Would you like to install it now?");
    EXPECT_FALSE(launcher.Watching());
    EXPECT_EQ(shell.calls.size(), 1); // only the association query
}

TEST_F(UserGuideTest, YesWithoutAnInstallerIsReported)
{
    load("[Product]\nUserGuide=guide.pdf\n");
    shell.association = Shell::Association::NoneAssociated;
    launcher.Open();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Unable to find Acrobat Reader setup file.");
    EXPECT_FALSE(launcher.Watching());
}

TEST_F(UserGuideTest, InstallerThatCannotStartIsReported)
{
    load(guideAndReader);
    shell.association = Shell::Association::NoneAssociated;
    shell.openResult = false;
    launcher.Open();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Unable to find Acrobat Reader setup file.");
}

TEST_F(UserGuideTest, WatchEndsOnTheFourthCheckWithoutTheInstallerWindow)
{
    load(guideAndReader);
    shell.association = Shell::Association::NoneAssociated;
    launcher.Open();
    ASSERT_TRUE(launcher.Watching());
    EXPECT_EQ(shell.calls.last(), "open " + program.path("AR/setup.bin"));

    // Asking again while the installer is watched does nothing.
    launcher.Open();
    EXPECT_EQ(dialogs.shown.size(), 1u);

    shell.calls.clear();
    shell.association = Shell::Association::Found; // the installer has put a viewer in place
    // Window there, gone, there, gone, gone: the fourth check without it ends the watch.
    shell.windowAnswers = {true, false, true, false, false, false};
    clock.advance(9999);
    EXPECT_TRUE(shell.calls.isEmpty()); // the first check comes after 10 s
    clock.advance(1);                   // 1st check: window there, then every second
    clock.advance(1000);                // gone (1)
    clock.advance(1000);                // there
    clock.advance(1000);                // gone (2)
    clock.advance(1000);                // gone (3)
    EXPECT_TRUE(launcher.Watching());
    clock.advance(1000); // gone (4): the guide is opened
    EXPECT_FALSE(launcher.Watching());
    EXPECT_EQ(launcher.InstallerGoneCount(), 0);
    const QString title = "findwindow Adobe Reader 7.0.5 - Setup";
    EXPECT_EQ(shell.calls, QStringList({title, title, title, title, title, title,
                                        "assoc " + program.path("guide.pdf"),
                                        "open " + program.path("guide.pdf")}));
    EXPECT_EQ(dialogs.shown.size(), 1u); // the final opening reports nothing
}

} // namespace
