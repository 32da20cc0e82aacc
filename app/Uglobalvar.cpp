#include "Uglobalvar.h"

#include "platform/ProgramLocation.h"
#include "platform/Shell.h"
#include "platform/UserDialogs.h"

#include <QFileInfo>
#include <QHash>

namespace {

const QHash<QString, QString>& builtInMessages()
{
    static const QHash<QString, QString> texts = {
        {"MSG_Exit", "Do you want to exit the Setup Wizard?"},
        {"ER_FILE_UG", "Unable to open the user guide."},
        {"MSG_InstAcrobat", "Acrobat Reader is not installed. Would you like to install it now?"},
        {"ER_FILE_Acrobat", "Unable to find Acrobat Reader setup file."},
        {"ER_Ethr_Interface", "Unable to initialize adapter interface."},
        {"ER_CONNECT", "Unable to connect to the device."},
        {"ER_LOGIN", "Unable to login the deivce."},
        {"ErIPAddr", "The IP Address entered is invalid."},
        {"ErSubnetMask", "The Subnet Mask entered is invalid."},
        {"ErIPSameAsLocahost", "The IP Address is the same as local host IP."},
        {"ErDefaultGateway", "The Default Gateway entered is invalid."},
        {"ER_Empty_SSID", "No SSID"},
        {"ER_WEPKey", "You have entered an incorrect WEP key. Please try again."},
        {"ER_PSKKeyHex", "Passphrase should be 64 hex digits."},
        {"ER_PSKKey", "Passphrase should be between 8 to 63 charachers in ASCII format."},
        {"ER_PIN_Code", "Invaild PIN Code"},
    };
    return texts;
}

// The WEP length messages default to whatever the general WEP message reads.
bool defaultsToWepKeyText(const QString& key)
{
    return key == "ER_WEP64" || key == "ER_WEP64Hex" || key == "ER_WEP128" || key == "ER_WEP128Hex";
}

struct NameEntry
{
    const char* key;
    QString* target;
};

} // namespace

CGlobalVar::CGlobalVar()
    : securityModeNames{"None", "WEP", "WPA-PSK", "WPA"}, authModeNames{"Open", "Shared", "Auto"},
      wepKeyLengthNames{"64 bit", "128 bit"}, wpaModeNames{"WPA Only", "WPA2 Only", "WPA or WPA2"},
      wpaCipherNames{"TKIP", "AES", "TKIP and AES"}
{}

CGlobalVar::~CGlobalVar() = default;

bool CGlobalVar::LoadSettings()
{
    exeDir = QString::fromStdString(ProgramLocation::ProgramDir());
    const QString baseName = QString::fromStdString(ProgramLocation::ProgramBaseName());
    ini = std::make_unique<CThreadIni>(exeDir + baseName + ".ini");

    const QString product = QStringLiteral("Product");
    shortName = ini->ReadString(product, "ShortName", shortName);
    mutexName = shortName + "_Mutex";
    appTitle = ini->ReadString(product, "AppTitle", baseName);
    msgTitle = ini->ReadString(product, "MsgTitle", appTitle);
    const QString acrobat = ini->ReadString(product, "AcrobatReader", "");
    acrobatSetupPath.clear();
    if (!acrobat.isEmpty())
        acrobatSetupPath = exeDir + acrobat;
    acrobatSetupTitle = ini->ReadString(product, "AcrobatReaderTitle", acrobatSetupTitle);
    licenseAccepted = 0;
    password = kDefaultPassword;
    nonWorking = ini->ReadBool("Setting", "NonWorking", false);

    const NameEntry names[] = {
        {"SecurityNone", &securityModeNames[0]},
        {"SecurityWEP", &securityModeNames[1]},
        {"SecurityWPAPSK", &securityModeNames[2]},
        {"SecurityWPA", &securityModeNames[3]},
        {"AuthenOpen", &authModeNames[0]},
        {"AuthenShared", &authModeNames[1]},
        {"AuthenAuto", &authModeNames[2]},
        {"WEP64", &wepKeyLengthNames[0]},
        {"WEP128", &wepKeyLengthNames[1]},
        {"WPA_WPA", &wpaModeNames[0]},
        {"WPA_WPA2", &wpaModeNames[1]},
        {"WPA_WPAAuto", &wpaModeNames[2]},
        {"CipherTKIP", &wpaCipherNames[0]},
        {"CipherAES", &wpaCipherNames[1]},
        {"CipherAuto", &wpaCipherNames[2]},
    };
    for (const NameEntry& entry : names)
        *entry.target = ini->ReadString("String", entry.key, *entry.target);
    return true;
}

int CGlobalVar::OpenUserGuide()
{
    const QString guide = ini ? ini->ReadString("Product", "UserGuide", "") : QString();
    if (guide.isEmpty())
        return 2;
    const QString path = exeDir + guide;
    if (!QFileInfo(path).isFile())
        return 2;
    Shell& shell = Shell::current();
    if (shell.FindAssociatedProgram(path) == Shell::Association::NoneAssociated)
        return 3;
    return shell.Open("open", path) ? 0 : 2;
}

void CGlobalVar::ResetIpSettings(IpSettings& record) const
{
    record = IpSettings{};
}

void CGlobalVar::ResetWirelessSettings(WirelessSettings& record)
{
    record = WirelessSettings{};
    const QString ssid = ini ? ini->ReadString("Setting", "SSID", "wireless") : "wireless";
    const QByteArray bytes = ssid.left(32).toUtf8();
    SetFixedText(record.ssid, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString CGlobalVar::BuiltInMessage(const QString& key)
{
    if (defaultsToWepKeyText(key))
        return BuiltInMessage("ER_WEPKey");
    return builtInMessages().value(key);
}

QString CGlobalVar::Message(const QString& key)
{
    QString builtIn = builtInMessages().value(key);
    if (defaultsToWepKeyText(key))
        builtIn = Message("ER_WEPKey");
    return ini ? ini->ReadString("Message", key, builtIn) : builtIn;
}

CGlobalVar& GlobalVar()
{
    static CGlobalVar globalVar;
    return globalVar;
}

void ShowMessageText(const QString& key)
{
    CGlobalVar& g = GlobalVar();
    UserDialogs::current().ShowNotice(g.Message(key), g.msgTitle);
}

bool AskMessageText(const QString& key)
{
    CGlobalVar& g = GlobalVar();
    return UserDialogs::current().AskYesNo(g.Message(key), g.msgTitle);
}
