#include "Uformres.h"

#include "app/PictureFile.h"
#include "app/Udebug.h"
#include "app/Uglobalvar.h"
#include "app/Uthreadini.h"

#include <QFile>
#include <QFileInfo>

TFormRes* FormRes = nullptr;

namespace {

// The settings are written for a disc that also serves Windows: its folders may be spelt with
// backslashes.
QString withSlashes(QString path)
{
    return path.replace('\\', '/');
}

} // namespace

const std::array<TFormRes::Component, TFormRes::kCount>& TFormRes::Components()
{
    static const std::array<Component, kCount> table = {{
        {"ImgBGMain", Kind::Jpeg, 600, 450},
        {"ImgFrameBG", Kind::Jpeg, 600, 324},
        {"ImgBtnN", Kind::Bitmap, 85, 21},
        {"ImgBtnH", Kind::Bitmap, 85, 21},
        {"ImgBtnD", Kind::Bitmap, 85, 21},
        {"ImgBGProgress", Kind::Jpeg, 190, 50},
        {"ImgTutorial", Kind::Jpeg, 332, 275},
        {"ImgBGAutorun", Kind::Jpeg, 600, 450},
        {"ImgBtnSetupWizardN", Kind::Bitmap, 197, 32},
        {"ImgBtnSetupWizardD", Kind::Bitmap, 197, 32},
        {"ImgBtnUGN", Kind::Bitmap, 197, 31},
        {"ImgBtnUGD", Kind::Bitmap, 197, 31},
        {"ImgBtnProductRegN", Kind::Bitmap, 196, 30},
        {"ImgBtnProductRegD", Kind::Bitmap, 196, 30},
        {"ImgBtnExitN", Kind::Bitmap, 197, 31},
        {"ImgBtnExitD", Kind::Bitmap, 197, 31},
        {"ImgBtnUG_UGN", Kind::Jpeg, 198, 21},
        {"ImgBtnUG_UGD", Kind::Jpeg, 198, 21},
        {"ImgBtnUG_QIGD", Kind::Jpeg, 198, 21},
        {"ImgBtnUG_QIGN", Kind::Jpeg, 198, 21},
        {"ImgTutorial2", Kind::Jpeg, 552, 240},
    }};
    return table;
}

QString TFormRes::BuiltInPath(const Component& component)
{
    return QStringLiteral(":/pictures/%1.%2")
        .arg(QLatin1String(component.name), component.kind == Kind::Jpeg ? "jpg" : "bmp");
}

TFormRes::TFormRes() : TFormRes(GlobalVar().exeDir, GlobalVar().ini.get()) {}

TFormRes::TFormRes(const QString& exeDir, CThreadIni* ini)
{
    loadBuiltIns();
    if (ini != nullptr)
        replaceFromSettings(exeDir, *ini);
}

void TFormRes::loadBuiltIns()
{
    for (int i = 0; i < kCount; ++i) {
        const Component& component = Components()[static_cast<size_t>(i)];
        Slot& slot = slots_[static_cast<size_t>(i)];
        slot.source = BuiltInPath(component);
        QString error;
        if (PictureFile::Load(slot.source, slot.picture, error))
            continue;
        // Only a broken build gets here; a plain picture of the right size keeps the windows
        // usable.
        DebugPrint("TFormRes: built-in %s unreadable: %s", component.name, qPrintable(error));
        slot.picture = QImage(component.width, component.height, QImage::Format_RGB888);
        slot.picture.fill(Qt::lightGray);
    }
}

void TFormRes::replaceFromSettings(const QString& exeDir, CThreadIni& ini)
{
    IniLock lock(ini);
    const TIniFile& reader = lock.reader();
    QString folder = withSlashes(exeDir + reader.ReadString("Product", "Res_Path", ""));
    if (!folder.endsWith('/'))
        folder += '/';
    if (!QFileInfo(folder).isDir())
        return;
    for (int i = 0; i < kCount; ++i) {
        const QString key = QLatin1String(Components()[static_cast<size_t>(i)].name);
        const QString name = reader.ReadString("FormRes_TImage", key, "");
        if (name.isEmpty())
            continue;
        const QString path = folder + withSlashes(name);
        if (QFileInfo(path).isFile())
            replaceOne(i, path);
    }
}

void TFormRes::replaceOne(int index, const QString& path)
{
    const Component& component = Components()[static_cast<size_t>(index)];
    QString error;
    QImage picture;
    if (component.kind == Kind::Bitmap &&
        PictureFile::FormatOf(path) != PictureFile::Format::Bitmap) {
        error = QStringLiteral("a button face must be a Windows bitmap");
    } else if (PictureFile::Load(path, picture, error)) {
        Slot& slot = slots_[static_cast<size_t>(index)];
        slot.picture = picture;
        slot.source = path;
        return;
    }
    DebugPrint("TFormRes: %s keeps its built-in picture, %s: %s", component.name,
               qPrintable(QFile::encodeName(path)), qPrintable(error));
}

int TFormRes::indexOf(const QString& name) const
{
    for (int i = 0; i < kCount; ++i) {
        if (name == QLatin1String(Components()[static_cast<size_t>(i)].name))
            return i;
    }
    return -1;
}

QImage TFormRes::Picture(const QString& name) const
{
    const int index = indexOf(name);
    return index < 0 ? QImage() : slots_[static_cast<size_t>(index)].picture;
}

QString TFormRes::Source(const QString& name) const
{
    const int index = indexOf(name);
    return index < 0 ? QString() : slots_[static_cast<size_t>(index)].source;
}
