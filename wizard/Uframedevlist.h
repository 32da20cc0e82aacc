#pragma once

#include "app/Records.h"
#include "platform/Clock.h"
#include "wizard/Uframebase.h"

#include <vector>

class QGroupBox;
class QLabel;
class TSortListView;

// The device list: every forward entry searches the local networks (4 s), the answering
// devices are listed with name and MAC address in reply order, and Configure takes the
// selected one as the device to set up.
class TFrameDevList : public TFrameBase
{
public:
    explicit TFrameDevList(QWidget* parent = nullptr);

    void InitPage() override;
    void DonePage() override;
    bool CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param) override;

    static constexpr std::uint32_t kSearchWaitMs = 4000;
    static constexpr std::uint32_t kSearchGuardMs = 10000;

    QLabel* ImgBG;
    QGroupBox* GBoxDevList;
    QLabel* LbDevListInfo;
    TSortListView* LvDevList;
    TTrifaceBtn* BtnRefresh;
    QLabel* PlSearch;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnCfg;
    TTimer TimerSearch;

protected:
    void HandleMessage(WindowMessageEvent& message) override;

private:
    void ClearList();
    void FillList(const std::vector<DeviceInfo>& devices);
    void BtnRefreshClick();
    void TimerSearchTimer();
    void LvDevListSelectItem();
    void BtnCfgClick();

    std::vector<DeviceInfo> rows_; // the record of each row, in row order
};
