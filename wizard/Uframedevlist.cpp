#include "Uframedevlist.h"

#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "controls/Sortlistview.h"
#include "controls/Utrifacebtn.h"
#include "protocol/Uformudp.h"
#include "wizard/PageStyle.h"

#include <QGroupBox>
#include <QLabel>

TFrameDevList::TFrameDevList(QWidget* parent)
    : TFrameBase("TFrameDevList", parent), TimerSearch(kSearchGuardMs, false)
{
    ImgBG = AddBackground();
    GBoxDevList = AddWhiteGroupBox(this, "GBoxDevList", "", {24, 16, 553, 257});
    LbDevListInfo = AddLabel(GBoxDevList, "LbDevListInfo", "Search for device on the network",
                             {24, 20, 505, 16});
    LvDevList = new TSortListView(GBoxDevList);
    LvDevList->setObjectName("LvDevList");
    LvDevList->setGeometry(24, 40, 505, 170);
    LvDevList->setColumnCount(2);
    LvDevList->setHeaderLabels({"Name", "MAC Address"});
    LvDevList->setColumnWidth(0, 300);
    LvDevList->setColumnWidth(1, 168);
    LvDevList->setRootIsDecorated(false);
    LvDevList->setSelectionMode(QAbstractItemView::SingleSelection);
    LvDevList->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvDevList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LvDevList->setAllColumnsShowFocus(true);
    LvDevList->setStyleSheet("QTreeView::item { border-right: 1px solid #d8d8d8; "
                             "border-bottom: 1px solid #d8d8d8; }");
    BtnRefresh = AddPageButton("BtnRefresh", "Refresh", 444, 222, GBoxDevList);
    PlSearch = AddLabel(GBoxDevList, "PlSearch", "Searching...", {177, 110, 200, 30});
    PlSearch->setAlignment(Qt::AlignCenter);
    PlSearch->setAutoFillBackground(true);
    PlSearch->setStyleSheet("background: white;");
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    BtnCfg = AddPageButton("BtnCfg", "Configure", 492);
    TimerSearch.OnTimer = [this] { TimerSearchTimer(); };

    connect(LvDevList, &QTreeWidget::itemSelectionChanged, this, [this] { LvDevListSelectItem(); });
    connect(BtnRefresh, &QAbstractButton::clicked, this, [this] { BtnRefreshClick(); });
    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
    connect(BtnCfg, &QAbstractButton::clicked, this, [this] { BtnCfgClick(); });
}

void TFrameDevList::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    for (TTrifaceBtn* button : {BtnRefresh, BtnExit, BtnBack, BtnCfg})
        SetPageButtonFaces(button);
    TimerSearch.SetEnabled(false);
    PlSearch->hide();
    ClearList();
    TFrameBase::InitPage();
}

void TFrameDevList::DonePage()
{
    ClearList();
    TFrameBase::DonePage();
}

bool TFrameDevList::CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param)
{
    if (direction == NavNext)
        BtnRefreshClick();
    return TFrameBase::CanEnterPage(from, direction, param);
}

void TFrameDevList::ClearList()
{
    BtnCfg->setEnabled(false);
    LvDevList->setUpdatesEnabled(false);
    LvDevList->clear();
    rows_.clear();
    LvDevList->setUpdatesEnabled(true);
}

void TFrameDevList::FillList(const std::vector<DeviceInfo>& devices)
{
    LvDevList->setUpdatesEnabled(false);
    for (const DeviceInfo& device : devices) {
        auto* row = new QTreeWidgetItem(LvDevList);
        row->setText(0, QString::fromUtf8(device.name, qstrnlen(device.name, sizeof device.name)));
        row->setText(1, FormatMac(device.mac));
        rows_.push_back(device);
    }
    LvDevList->setUpdatesEnabled(true);
}

void TFrameDevList::BtnRefreshClick()
{
    ClearList();
    if (FormUDP == nullptr || !FormUDP->SendDiscover(kSearchWaitMs))
        return;
    BtnRefresh->setEnabled(false);
    PlSearch->show();
    PlSearch->raise();
    TimerSearch.SetEnabled(true);
}

void TFrameDevList::TimerSearchTimer()
{
    TimerSearch.SetEnabled(false);
    std::vector<DeviceInfo> devices;
    if (FormUDP != nullptr)
        FormUDP->GetDeviceList(devices);
    FillList(devices);
    BtnRefresh->setEnabled(true);
    PlSearch->hide();
    if (GlobalVar().nonWorking)
        BtnCfg->setEnabled(true);
}

void TFrameDevList::HandleMessage(WindowMessageEvent& message)
{
    if (message.msg == UM_UDP_TIMEOUT && TimerSearch.Enabled())
        TimerSearchTimer();
}

void TFrameDevList::LvDevListSelectItem()
{
    if (!GlobalVar().nonWorking)
        BtnCfg->setEnabled(!LvDevList->selectedItems().isEmpty());
}

void TFrameDevList::BtnCfgClick()
{
    CGlobalVar& g = GlobalVar();
    const QList<QTreeWidgetItem*> selected = LvDevList->selectedItems();
    if (!selected.isEmpty()) {
        const int row = LvDevList->indexOfTopLevelItem(selected.front());
        if (row >= 0 && row < static_cast<int>(rows_.size()))
            g.currentDevice = rows_[static_cast<size_t>(row)];
    } else if (!g.nonWorking) {
        return;
    }
    g.ResetIpSettings(g.currentIp);
    g.ResetIpSettings(g.pendingIp);
    g.ResetWirelessSettings(g.currentWireless);
    g.ResetWirelessSettings(g.pendingWireless);
    PostWizard(WIZ_NEXT);
}
