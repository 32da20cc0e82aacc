#include "Uframepassword.h"

#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "controls/Utrifacebtn.h"
#include "protocol/Uformudp.h"
#include "wizard/PageStyle.h"
#include "wizard/Uformprogress.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <memory>

namespace {

// Shows each character of a password as "*".
class StarPasswordStyle : public QProxyStyle
{
public:
    explicit StarPasswordStyle(QObject* owner) : QProxyStyle() { setParent(owner); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TFramePassword::TFramePassword(QWidget* parent) : TFrameBase("TFramePassword", parent)
{
    ImgBG = AddBackground();
    GBoxPassword = AddWhiteGroupBox(this, "GBoxPassword", "", {24, 16, 553, 257});
    LbPassword = AddLabel(GBoxPassword, "LbPassword", "Password:", {64, 84, 120, 16});
    LbPassword->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EdtPassword = new QLineEdit(GBoxPassword);
    EdtPassword->setObjectName("EdtPassword");
    EdtPassword->setGeometry(192, 82, 200, 21);
    EdtPassword->setMaxLength(32);
    EdtPassword->setEchoMode(QLineEdit::Password);
    EdtPassword->setStyle(new StarPasswordStyle(EdtPassword));
    LbInfo1 = AddLabel(GBoxPassword, "LbInfo1",
                       "NOTE: For security purposed we recommend changing the default password "
                       "after setup is complete.",
                       {64, 140, 425, 40});
    SetBold(LbInfo1);
    LbInfo1->setWordWrap(true);
    LbInfo1->setStyleSheet("color: #4F4F4F;");
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    BtnLogin = AddPageButton("BtnLogin", "Login", 492);

    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
    connect(BtnLogin, &QAbstractButton::clicked, this, [this] { BtnLoginClick(); });
    connect(EdtPassword, &QLineEdit::returnPressed, BtnLogin, &QAbstractButton::click);
}

void TFramePassword::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    for (TTrifaceBtn* button : {BtnExit, BtnBack, BtnLogin})
        SetPageButtonFaces(button);
    TFrameBase::InitPage();
}

bool TFramePassword::CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param)
{
    if (direction == NavNext)
        EdtPassword->setText(GlobalVar().password);
    return TFrameBase::CanEnterPage(from, direction, param);
}

void TFramePassword::PageEntered(TFrameBase* from, NavDirection direction, LPARAM param)
{
    FocusEdit(EdtPassword);
    TFrameBase::PageEntered(from, direction, param);
}

void TFramePassword::BtnLoginClick()
{
    CGlobalVar& g = GlobalVar();
    g.password = EdtPassword->text();
    int result = 0;
    {
        auto dialog = std::make_unique<TFormProgress>();
        progress = dialog.get();
        progress->OnStart = [this] { StartLogin(); };
        result = progress->ShowCentered(this);
        progress = nullptr;
    }
    if (result == 1) {
        PostWizard(WIZ_NEXT);
        return;
    }
    ShowMessageText("ER_LOGIN");
    if (g.nonWorking)
        PostWizard(WIZ_NEXT);
}

void TFramePassword::StartLogin()
{
    if (FormUDP != nullptr)
        FormUDP->SendLogin(kLoginWaitMs);
}

void TFramePassword::HandleMessage(WindowMessageEvent& message)
{
    if (progress == nullptr)
        return;
    const auto op = static_cast<int>(message.wParam);
    if (message.msg == UM_UDP_RESULT) {
        if (op == OP_LOGIN) {
            if (message.lParam != 0 && FormUDP != nullptr)
                FormUDP->SendGetConfig(kGetConfigWaitMs);
            else
                progress->SetModalResult(2);
        } else if (op == OP_GET_CONFIG) {
            progress->SetModalResult(1);
        }
    } else if (message.msg == UM_UDP_TIMEOUT && (op == OP_LOGIN || op == OP_GET_CONFIG)) {
        progress->SetModalResult(2);
    }
}
