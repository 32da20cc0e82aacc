#include "WizardFixture.h"
#include "controls/Utrifacebtn.h"
#include "wizard/Uframedevlist.h"
#include "wizard/Uframelicense.h"
#include "wizard/Uframesuccess.h"
#include "wizard/Uframetutorial.h"
#include "wizard/Uframetutorial2.h"
#include "wizard/Uframewelcome.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

namespace {

class InfoPagesTest : public WizardFixture
{
protected:
    void startWithLicence(const QByteArray& extra = {})
    {
        program.write("License.rtf", "{\\rtf1\\ansi {\\b Terms} of use.\\par Second.}");
        start("[Product]\nLicense=License.rtf\n" + extra);
    }
    TFrameLicense* licence() const { return wizard->FrameLicense1; }
};

TEST_F(InfoPagesTest, LicenceIsShownAndNextFollowsTheBox)
{
    startWithLicence();
    ASSERT_EQ(current(), licence());
    EXPECT_TRUE(licence()->REdtLicense->toPlainText().startsWith("Terms of use."));
    EXPECT_FALSE(licence()->ChkAccept->isChecked());
    EXPECT_FALSE(licence()->BtnNext->isEnabled());
    licence()->ChkAccept->click();
    EXPECT_TRUE(licence()->BtnNext->isEnabled());
    licence()->ChkAccept->click();
    EXPECT_FALSE(licence()->BtnNext->isEnabled());
    licence()->ChkAccept->click();
    licence()->BtnNext->click();
    settle();
    EXPECT_EQ(current(), wizard->FrameTutorial1);
    EXPECT_EQ(GlobalVar().licenseAccepted, 1);
}

TEST_F(InfoPagesTest, AcceptedLicenceIsNotShownAgain)
{
    startWithLicence();
    licence()->ChkAccept->click();
    licence()->BtnNext->click();
    settle();
    request(WIZ_BACK); // closes the wizard with 2; reopening shows the tutorial again
    EXPECT_EQ(wizard->result(), 2);
    ASSERT_TRUE(wizard->SwitchPage(wizard->FrameWelcome1, NavBack, 0));
    request(WIZ_NEXT); // forward onto the licence page: passes straight on
    EXPECT_EQ(current(), wizard->FrameTutorial1);
}

TEST_F(InfoPagesTest, LicencePassesThroughWhenSkippedOrMissing)
{
    const QByteArray cases[] = {
        "[Setting]\nSkipLicense=1\n[Product]\nLicense=License.rtf\n",
        "[Product]\nLicense=Absent.rtf\n",
        "",
    };
    for (const QByteArray& settings : cases) {
        program.write("License.rtf", "{\\rtf1 Terms}");
        start(settings);
        EXPECT_EQ(current(), wizard->FrameTutorial1) << settings.toStdString();
        EXPECT_TRUE(licence()->ChkAccept->isChecked());
        EXPECT_EQ(GlobalVar().licenseAccepted, 1);
        TearDown();
    }
}

TEST_F(InfoPagesTest, PlainTextLicenceIsShownAsText)
{
    program.write("License.txt", "Plain terms\nline two");
    start("[Product]\nLicense=License.txt\n");
    ASSERT_EQ(current(), licence());
    EXPECT_EQ(licence()->REdtLicense->toPlainText(), "Plain terms\nline two");
}

TEST_F(InfoPagesTest, SkipTutorialPassesBothWaysAndBackEndsTheWizard)
{
    start("[Setting]\nSkipTutorial=1\n");
    EXPECT_EQ(current(), wizard->FrameDevList1);
    wizard->setResult(0);
    request(WIZ_BACK);
    EXPECT_EQ(current(), wizard->FrameTutorial1);
    EXPECT_EQ(wizard->result(), 2);
}

TEST_F(InfoPagesTest, TutorialPagesShowTheirPictures)
{
    start();
    EXPECT_EQ(wizard->FrameTutorial1->ImgTutorial->geometry(), QRect(134, 10, 332, 275));
    EXPECT_EQ(wizard->FrameTutorial21->ImgTutorial->geometry(), QRect(16, 24, 552, 240));
    EXPECT_FALSE(wizard->FrameTutorial1->ImgTutorial->pixmap().isNull());
    EXPECT_EQ(wizard->FrameTutorial21->ImgTutorial->pixmap().size(), QSize(552, 240));
}

TEST_F(InfoPagesTest, SuccessHasNoNextAndWelcomeHidesItsGuideButton)
{
    start("[TFrameSuccess]\nLbSuccess1=Well done!\n");
    EXPECT_TRUE(wizard->FrameSuccess1->BtnNext->isHidden());
    EXPECT_FALSE(wizard->FrameSuccess1->BtnBack->isHidden());
    EXPECT_EQ(wizard->FrameSuccess1->LbSuccess1->text(), "Well done!");
    EXPECT_TRUE(wizard->FrameWelcome1->BtnUG->isHidden());
    EXPECT_EQ(wizard->FrameWelcome1->BtnStart->geometry(), QRect(492, 288, 85, 21));
}

TEST_F(InfoPagesTest, LayoutSettingsShowTheWelcomeGuideButton)
{
    program.write("guide.pdf", "%PDF");
    start("[FormMain_FrameWelcome1_Visible]\nBtnUG=1\n[Product]\nUserGuide=guide.pdf\n");
    EXPECT_FALSE(wizard->FrameWelcome1->BtnUG->isHidden());
    wizard->FrameWelcome1->BtnUG->click();
    EXPECT_EQ(shell.calls.last(), "open " + program.path("guide.pdf"));
}

} // namespace
