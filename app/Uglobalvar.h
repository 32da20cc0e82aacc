#pragma once

#include "app/Records.h"
#include "app/Uthreadini.h"

#include <QString>
#include <memory>

// The program's one global object: where the program lies, the settings accessor, the product
// settings read at start, the display names of the wireless values, and the state that the
// wizard pages share.
class CGlobalVar
{
public:
    CGlobalVar();
    virtual ~CGlobalVar();
    CGlobalVar(const CGlobalVar&) = delete;
    CGlobalVar& operator=(const CGlobalVar&) = delete;

    // Finds the settings file beside the program and reads the product settings and value names.
    bool LoadSettings();

    // 0 opened, 2 no guide or it could not be opened, 3 no program is associated with it.
    int OpenUserGuide();

    void ResetIpSettings(IpSettings& record) const;
    void ResetWirelessSettings(WirelessSettings& record);

    // A text of the catalogue (section "Message"), read now, with its built-in English default.
    QString Message(const QString& key);
    // The built-in English text of a message key; empty for an unknown key.
    static QString BuiltInMessage(const QString& key);

    QString exeDir;
    std::unique_ptr<CThreadIni> ini;
    QString shortName = QStringLiteral("KZL-958WB");
    QString mutexName;
    QString appTitle;
    QString msgTitle;
    QString acrobatSetupPath;
    QString acrobatSetupTitle = QStringLiteral("Adobe Reader 7.0.5 - Setup");
    QString password;
    bool nonWorking = false;
    DeviceInfo currentDevice;
    std::int32_t setupStage = 0;
    std::int32_t wirelessMethod = 0;
    std::int32_t wpsMethod = 0;
    IpSettings currentIp;
    IpSettings pendingIp;
    WirelessSettings currentWireless;
    WirelessSettings pendingWireless;
    QString securityModeNames[4];
    QString authModeNames[3];
    QString wepKeyLengthNames[2];
    QString wpaModeNames[3];
    QString wpaCipherNames[3];
    std::int32_t licenseAccepted = 0;

    static constexpr const char* kDefaultPassword = "vexil";
};

// The program's global settings object.
CGlobalVar& GlobalVar();

// A catalogue text in a box titled msgTitle: a notice (information icon, OK) ...
void ShowMessageText(const QString& key);
// ... or a question (Yes/No, no icon); true for Yes.
bool AskMessageText(const QString& key);
