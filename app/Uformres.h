#pragma once

#include <QImage>
#include <QString>
#include <array>

class CThreadIni;

// The pictures that several windows and pages share (backgrounds, button faces, tutorial
// pictures), each under its component name. It is filled once, before the windows are built,
// from the pictures built into the program; files named in the settings (section
// "FormRes_TImage", one key per component, in the folder Res_Path of section "Product" below
// the program's folder) replace them. Nothing changes the pictures afterwards.
//
// Readers take a picture by name while they are built:
//
//     ImgBG->setPixmap(QPixmap::fromImage(FormRes->Picture("ImgFrameBG")));
//     BtnNext->SetFace(FormRes->Picture("ImgBtnN"));
class TFormRes
{
public:
    enum class Kind { Jpeg, Bitmap };
    struct Component
    {
        const char* name;
        Kind kind;
        int width;
        int height;
    };
    static constexpr int kCount = 21;
    // The pictures in component order, with the kind and size of the built-in one.
    static const std::array<Component, kCount>& Components();

    // The built-in pictures, replaced as the program's settings say (GlobalVar()).
    TFormRes();
    // The same for a program in exeDir with the settings accessor ini (which may be null).
    TFormRes(const QString& exeDir, CThreadIni* ini);

    // The picture of component name (a null image for a name that is none of the above).
    QImage Picture(const QString& name) const;
    // Where that picture came from: its built-in resource path or the file that replaced it.
    QString Source(const QString& name) const;

    static QString BuiltInPath(const Component& component);

private:
    struct Slot
    {
        QImage picture;
        QString source;
    };

    void loadBuiltIns();
    void replaceFromSettings(const QString& exeDir, CThreadIni& ini);
    void replaceOne(int index, const QString& path);
    int indexOf(const QString& name) const;

    std::array<Slot, kCount> slots_;
};

// The program's picture store, created by the entry routine before any window.
extern TFormRes* FormRes;
