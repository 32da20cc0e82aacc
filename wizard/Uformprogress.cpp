#include "Uformprogress.h"

#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "platform/Messages.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <exception>

TFormProgress::TFormProgress(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), TimerProc(kTickMs, false)
{
    setObjectName("FormProgress");
    setFixedSize(190, 50);
    setModal(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    ImgBG = new QLabel(this);
    ImgBG->setObjectName("ImgBG");
    ImgBG->setGeometry(0, 0, 190, 50);
    LbWait = new QLabel("Please wait...", this);
    LbWait->setObjectName("LbWait");
    LbWait->setGeometry(20, 8, 150, 13);
    QFont bold = LbWait->font();
    bold.setBold(true);
    LbWait->setFont(bold);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(20, 25, 150, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    TimerProc.OnTimer = [this] { TimerProcTimer(); };

    CGlobalVar& g = GlobalVar();
    setWindowTitle(g.appTitle);
    {
        IniLock lock(*g.ini);
        TranslateTexts(this, "FormProgress", lock.reader());
    }
    ImgBG->setPixmap(QPixmap::fromImage(FormRes->Picture("ImgBGProgress")));
    {
        IniLock lock(*g.ini);
        ApplyLayout(this, "FormProgress", lock.reader());
    }
}

int TFormProgress::ShowCentered(QWidget* control)
{
    try {
        QWidget* form = control != nullptr ? control->window() : nullptr;
        if (form == nullptr)
            form = qobject_cast<QWidget*>(MainWindow());
        if (form != nullptr) {
            const QRect outer = form->frameGeometry();
            move(outer.left() + (outer.width() - width()) / 2,
                 outer.top() + (outer.height() - height()) / 2);
        }
        return exec();
    } catch (const std::exception&) {
        return 0;
    }
}

void TFormProgress::SetModalResult(int result)
{
    TimerProc.SetEnabled(false);
    done(result);
}

void TFormProgress::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    tickCounter_ = 0;
    TimerProc.SetEnabled(true);
}

void TFormProgress::TimerProcTimer()
{
    ProgressBar1->setValue(ProgressBar1->value() >= ProgressBar1->maximum()
                               ? ProgressBar1->minimum()
                               : ProgressBar1->value() + 1);
    if (tickCounter_ != 0) {
        if (++tickCounter_ > kTickLimit)
            SetModalResult(2);
        return;
    }
    TimerProc.SetEnabled(false);
    tickCounter_ = 1;
    if (OnStart)
        OnStart();
    if (isVisible()) // the start action may have ended the dialog
        TimerProc.SetEnabled(true);
}

void TFormProgress::keyPressEvent(QKeyEvent* e)
{
    // No key closes the dialog: neither Escape nor Alt+F4.
    e->accept();
}

void TFormProgress::closeEvent(QCloseEvent* e)
{
    // Only the owner ends the dialog (done() hides it without a close event).
    e->ignore();
}
