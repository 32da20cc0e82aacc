#include "TempProgram.h"
#include "app/Uthreadini.h"
#include "app/Uutility.h"
#include "platform/testing/VirtualClock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(Utility, FormatMacIsUpperCaseWithColons)
{
    const std::uint8_t mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    EXPECT_EQ(FormatMac(mac), "00:1A:2B:3C:4D:5E");
}

TEST(Utility, IsHexText)
{
    EXPECT_TRUE(IsHexText(""));
    EXPECT_TRUE(IsHexText("0123456789abcdefABCDEF"));
    EXPECT_FALSE(IsHexText("0x12"));
    EXPECT_FALSE(IsHexText("12 34"));
}

TEST(Utility, IsValidWpsPin)
{
    struct Case
    {
        const char* pin;
        bool valid;
    };
    const Case cases[] = {
        {"12345670", true},  {"12345671", false}, {"00000000", true},   {"0000", true},
        {"1234", false},     {"3000", false},     {"1001", false},      {"0019", false},
        {"0018", false},     {"0017", true},      {"123456789", false}, {"1234567a", false},
        {"1234 670", false}, {"", false},         {"123", false},       {"49226874", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidWpsPin(c.pin), c.valid) << c.pin;
}

TEST(Utility, SelectComboByValue)
{
    QComboBox list;
    list.addItem("a", 5);
    list.addItem("b", 7);
    list.addItem("c", 7);
    list.setCurrentIndex(0);
    EXPECT_TRUE(SelectComboByValue(&list, 7));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_FALSE(SelectComboByValue(&list, 9));
    EXPECT_EQ(list.currentIndex(), 1);
}

TEST(Utility, PadWithSpaces)
{
    const std::pair<QString, QString> cases[] = {
        {"", ""}, {"Setup", " Setup "}, {" Setup", " Setup "}, {"Setup ", " Setup "}, {" ", " "}};
    for (auto [text, expected] : cases) {
        PadWithSpaces(text);
        EXPECT_EQ(text, expected);
    }
}

TEST(Utility, ParseIntList)
{
    struct Case
    {
        const char* text;
        std::vector<int> values;
        int count;
    };
    const Case cases[] = {
        {"10,20", {10, 20}, 2},      {"x,20,30", {20, 30}, 2}, {"1 2\t3", {1, 2, 3}, 3},
        {"1,,2,", {1, 2}, 2},        {"\"1 2\",3", {3}, 1},    {"-5,$10,0x10", {-5, 16, 16}, 3},
        {"1,2,3,4,5", {1, 2, 3}, 5}, // beyond capacity: counted, not stored
    };
    for (const Case& c : cases) {
        int out[3] = {-99, -99, -99};
        EXPECT_EQ(ParseIntList(c.text, out, 3), c.count) << c.text;
        for (size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(out[i], c.values[i]) << c.text << " #" << i;
    }
}

TEST(Utility, WaitWithMessagesPassesVirtualTimeAndHandlesMessages)
{
    VirtualClock clock;
    EXPECT_TRUE(WaitWithMessages(0));
    const std::uint32_t start = GetTickCount();
    int ticks = 0;
    TTimer timer(100, true);
    timer.OnTimer = [&] { ++ticks; };
    EXPECT_TRUE(WaitWithMessages(25000));
    EXPECT_EQ(GetTickCount() - start, 25000u);
    EXPECT_EQ(ticks, 250); // other timers kept running during the pause
}

// A window with a page inside: the page's components belong to the page, not the window.
struct Tree
{
    Tree()
    {
        window.setObjectName("FormMain");
        window.setWindowTitle("Design title");
        auto add = [this](QWidget* w, const char* name, QWidget* parent) {
            w->setObjectName(name);
            w->setParent(parent);
            return w;
        };
        label = static_cast<QLabel*>(add(new QLabel("label"), "LbTitle", &window));
        panel = add(new QWidget, "PlHolder", &window);
        button = static_cast<QPushButton*>(add(new QPushButton("Next"), "BtnNext", panel));
        check = static_cast<QCheckBox*>(add(new QCheckBox("check"), "ChkAccept", &window));
        radio = static_cast<QRadioButton*>(add(new QRadioButton("radio"), "RBtnDhcp", &window));
        group = static_cast<QGroupBox*>(add(new QGroupBox("group"), "GBoxMode", &window));
        edit = static_cast<QLineEdit*>(add(new QLineEdit("typed"), "EdtName", &window));
        list = static_cast<QTreeWidget*>(add(new QTreeWidget, "LvItems", &window));
        list->setHeaderLabels({"Name", "MAC"});
        page = add(new QWidget, "FrameLicense1", &window);
        MarkAsPage(page);
        pageLabel = static_cast<QLabel*>(add(new QLabel("page label"), "LbTitle", page));
        button->setGeometry(1, 2, 85, 21);
        pageLabel->setGeometry(5, 6, 50, 10);
    }

    QWidget window;
    QLabel* label;
    QWidget* panel;
    QPushButton* button;
    QCheckBox* check;
    QRadioButton* radio;
    QGroupBox* group;
    QLineEdit* edit;
    QTreeWidget* list;
    QWidget* page;
    QLabel* pageLabel;
};

TEST(Utility, TranslateTextsReplacesCaptionsOfOwnedComponents)
{
    TempProgram program;
    program.write("Setup.ini", "[FormMain]\nFormMain=Window title\nLbTitle=Welcome\n"
                               "BtnNext=Go on\nChkAccept=I agree\nRBtnDhcp=DHCP\n"
                               "GBoxMode=Mode\nEdtName=not an edit text\nLvItems_Col1=Address\n");
    Tree t;
    TIniFile reader(program.path("Setup.ini"));
    TranslateTexts(&t.window, "FormMain", reader);
    EXPECT_EQ(t.window.windowTitle(), "Window title");
    EXPECT_EQ(t.label->text(), "Welcome");
    EXPECT_EQ(t.button->text(), "Go on"); // inside a plain panel: still the window's
    EXPECT_EQ(t.check->text(), "I agree");
    EXPECT_EQ(t.radio->text(), "DHCP");
    EXPECT_EQ(t.group->title(), " Mode ");
    EXPECT_EQ(t.edit->text(), "typed");
    EXPECT_EQ(t.list->headerItem()->text(0), "Name");
    EXPECT_EQ(t.list->headerItem()->text(1), "Address");
    EXPECT_EQ(t.pageLabel->text(), "page label"); // the page translates itself
}

TEST(Utility, TranslateTextsOfAPageLeavesItsCaptionAlone)
{
    TempProgram program;
    program.write("Setup.ini", "[TFrameLicense]\nFrameLicense1=x\nLbTitle=Licence\n");
    Tree t;
    t.page->setWindowTitle("page");
    TranslateTexts(t.page, "TFrameLicense", TIniFile(program.path("Setup.ini")));
    EXPECT_EQ(t.pageLabel->text(), "Licence");
    EXPECT_EQ(t.page->windowTitle(), "page");
    EXPECT_EQ(t.label->text(), "label");
}

TEST(Utility, ApplyLayoutMovesResizesShowsAndHides)
{
    TempProgram program;
    program.write("Setup.ini", "[FormMain_CtrlPos]\nBtnNext=10,20\nLbTitle=x,20,30\n"
                               "EdtName=1,2,300,40,99\nChkAccept=  \n"
                               "[FormMain_Visible]\nRBtnDhcp=0\nGBoxMode=1\n"
                               "[FormMain_FrameLicense1_CtrlPos]\nLbTitle=7,8,9,10\n"
                               "[FormMain_FrameLicense1_Visible]\nLbTitle=0\n");
    Tree t;
    t.group->hide();
    t.label->setGeometry(0, 0, 77, 15);
    t.check->setGeometry(3, 3, 60, 17);
    ApplyLayout(&t.window, "FormMain", TIniFile(program.path("Setup.ini")));
    EXPECT_EQ(t.button->geometry(), QRect(10, 20, 85, 21));
    EXPECT_EQ(t.label->geometry(), QRect(20, 30, 77, 15));
    EXPECT_EQ(t.edit->geometry(), QRect(1, 2, 300, 40));
    EXPECT_EQ(t.check->geometry(), QRect(3, 3, 60, 17));
    EXPECT_TRUE(t.radio->isHidden());
    EXPECT_FALSE(t.group->isHidden());
    EXPECT_EQ(t.pageLabel->geometry(), QRect(7, 8, 9, 10));
    EXPECT_TRUE(t.pageLabel->isHidden());
    EXPECT_FALSE(t.label->isHidden());
}

} // namespace
