#include "app/Udebug.h"
#include "app/Uformres.h"
#include "app/Uthreadini.h"
#include "platform/ProgramLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The debug log of the whole test program: switched on by its file beside the program.
class LogEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ProgramLocation::OverrideProgramFile(folder.filePath("Setup").toStdString());
        QFile log(folder.filePath("Setup.Log"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.close();
        ASSERT_TRUE(DebugLog().IsOn());
    }
    void TearDown() override { ProgramLocation::OverrideProgramFile(""); }

    static QStringList PictureLines()
    {
        QFile log(QString::fromStdString(DebugLog().LogPath()));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        QStringList lines;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (line.contains("TFormRes"))
                lines << QString::fromUtf8(line.trimmed());
        return lines;
    }

    QTemporaryDir folder;
};

const auto* const logEnvironment = ::testing::AddGlobalTestEnvironment(new LogEnvironment);

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// A program folder with a settings file; replacements are written into it.
class FormResTest : public ::testing::Test
{
protected:
    QString exeDir() const { return program.path() + '/'; }

    void writeFile(const QString& relative, const QByteArray& bytes)
    {
        const QString path = program.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void writeSettings(const QByteArray& text) { writeFile("Setup.ini", text); }

    std::unique_ptr<TFormRes> load()
    {
        CThreadIni ini(program.filePath("Setup.ini"));
        return std::make_unique<TFormRes>(exeDir(), &ini);
    }

    static int linesNow() { return static_cast<int>(LogEnvironment::PictureLines().size()); }

    QTemporaryDir program;
};

TEST_F(FormResTest, BuiltInPicturesHaveTheKindAndSizeOfTheTable)
{
    const TFormRes store(exeDir(), nullptr);
    for (const TFormRes::Component& component : TFormRes::Components()) {
        SCOPED_TRACE(component.name);
        const QImage picture = store.Picture(component.name);
        EXPECT_EQ(picture.size(), QSize(component.width, component.height));
        const QByteArray bytes = resourceBytes(TFormRes::BuiltInPath(component));
        ASSERT_GT(bytes.size(), 54);
        if (component.kind == TFormRes::Kind::Jpeg) {
            EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
        } else {
            EXPECT_TRUE(bytes.startsWith("BM"));
            EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
        }
    }
}

TEST_F(FormResTest, ButtonFacesHaveFuchsiaCornersAndAnOpaqueMiddle)
{
    const TFormRes store(exeDir(), nullptr);
    for (const TFormRes::Component& component : TFormRes::Components()) {
        if (component.kind != TFormRes::Kind::Bitmap)
            continue;
        SCOPED_TRACE(component.name);
        const QImage face = store.Picture(component.name);
        const int w = face.width();
        const int h = face.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(face.pixel(corner), qRgb(255, 0, 255));
        EXPECT_NE(face.pixel(w / 2, h / 2), qRgb(255, 0, 255));
        EXPECT_NE(face.pixel(w / 2, 0), qRgb(255, 0, 255));
    }
}

TEST_F(FormResTest, WithoutASettingsFileEveryPictureIsBuiltIn)
{
    const int before = linesNow();
    const auto store = load();
    for (const TFormRes::Component& component : TFormRes::Components())
        EXPECT_EQ(store->Source(component.name), TFormRes::BuiltInPath(component));
    EXPECT_EQ(linesNow(), before);
}

TEST_F(FormResTest, AJpegBesideTheProgramReplacesTheWizardBackground)
{
    writeSettings("[FormRes_TImage]\r\nImgBGMain=Wizard.jpg\r\n");
    writeFile("Wizard.jpg", resourceBytes(":/pictures/ImgBGProgress.jpg"));
    const auto store = load();
    EXPECT_EQ(store->Source("ImgBGMain"), program.filePath("Wizard.jpg"));
    EXPECT_EQ(store->Picture("ImgBGMain").size(), QSize(190, 50));
    EXPECT_EQ(store->Picture("ImgFrameBG").size(), QSize(600, 324));
}

TEST_F(FormResTest, ResPathNamesTheFolderOfTheReplacements)
{
    writeSettings("[Product]\r\nRes_Path=art\\faces\r\n"
                  "[FormRes_TImage]\r\nImgBtnN=next.bmp\r\nImgTutorial=steps\\one.jpg\r\n");
    writeFile("art/faces/next.bmp", resourceBytes(":/pictures/ImgBtnH.bmp"));
    writeFile("art/faces/steps/one.jpg", resourceBytes(":/pictures/ImgBtnUG_UGN.jpg"));
    const auto store = load();
    EXPECT_EQ(store->Source("ImgBtnN"), program.filePath("art/faces/next.bmp"));
    EXPECT_EQ(store->Picture("ImgBtnN"), store->Picture("ImgBtnH"));
    EXPECT_EQ(store->Picture("ImgTutorial").size(), QSize(198, 21));
}

TEST_F(FormResTest, AMissingResPathFolderReplacesNothing)
{
    writeSettings(
        "[Product]\r\nRes_Path=NoSuchFolder\r\n[FormRes_TImage]\r\nImgBGMain=Wizard.jpg\r\n");
    writeFile("Wizard.jpg", resourceBytes(":/pictures/ImgBGProgress.jpg"));
    writeFile("NoSuchFolderWizard.jpg", resourceBytes(":/pictures/ImgBGProgress.jpg"));
    const int before = linesNow();
    const auto store = load();
    EXPECT_EQ(store->Picture("ImgBGMain").size(), QSize(600, 450));
    EXPECT_EQ(linesNow(), before);
}

TEST_F(FormResTest, AMissingFileOrAnEmptyKeyKeepsTheBuiltInPictureSilently)
{
    writeSettings("[FormRes_TImage]\r\nImgBGMain=Gone.jpg\r\nImgFrameBG=\r\n");
    const int before = linesNow();
    const auto store = load();
    EXPECT_EQ(store->Source("ImgBGMain"), ":/pictures/ImgBGMain.jpg");
    EXPECT_EQ(store->Source("ImgFrameBG"), ":/pictures/ImgFrameBG.jpg");
    EXPECT_EQ(linesNow(), before);
}

struct BrokenCase
{
    const char* name;
    const char* component;
    const char* file;
    std::function<QByteArray()> bytes;
};

class BrokenReplacementTest : public FormResTest, public ::testing::WithParamInterface<BrokenCase>
{};

TEST_P(BrokenReplacementTest, KeepsTheBuiltInPictureWithOneLogLine)
{
    const BrokenCase& c = GetParam();
    writeSettings(QByteArray("[FormRes_TImage]\r\n") + c.component + "=" + c.file + "\r\n");
    writeFile(c.file, c.bytes());
    const int before = linesNow();
    const auto store = load();
    const QStringList lines = LogEnvironment::PictureLines().mid(before);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(c.component)) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(c.file)) << lines[0].toStdString();
    for (const TFormRes::Component& component : TFormRes::Components())
        EXPECT_EQ(store->Source(component.name), TFormRes::BuiltInPath(component));
}

QByteArray hugeBitmapHeader()
{
    QByteArray bytes = resourceBytes(":/pictures/ImgBtnN.bmp");
    qToLittleEndian<qint32>(100000, bytes.data() + 18);
    qToLittleEndian<qint32>(100000, bytes.data() + 22);
    return bytes;
}

QByteArray corruptJpeg()
{
    QByteArray bytes = resourceBytes(":/pictures/ImgBGMain.jpg");
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 32; ++i)
        bytes[i] = static_cast<char>(i % 2 == 0 ? 0xFF : 0xD5);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenReplacementTest,
    ::testing::Values(
        BrokenCase{"corrupt_jpeg", "ImgBGMain", "corrupt.jpg", corruptJpeg},
        BrokenCase{"truncated_jpeg", "ImgBGAutorun", "truncated.jpg",
                   [] {
                       const QByteArray b = resourceBytes(":/pictures/ImgBGAutorun.jpg");
                       return b.left(b.size() * 2 / 3);
                   }},
        BrokenCase{"empty_jpeg", "ImgTutorial", "empty.jpg", [] { return QByteArray(); }},
        BrokenCase{"text_as_jpeg", "ImgTutorial2", "readme.jpg",
                   [] { return QByteArray("This is not a picture.\r\n"); }},
        BrokenCase{"huge_bitmap_header", "ImgBtnN", "huge.bmp", hugeBitmapHeader},
        BrokenCase{"truncated_bitmap", "ImgBtnExitN", "exit.bmp",
                   [] { return resourceBytes(":/pictures/ImgBtnExitN.bmp").left(3000); }},
        BrokenCase{"face_given_as_jpeg", "ImgBtnD", "pressed.jpg",
                   [] { return resourceBytes(":/pictures/ImgBtnUG_UGN.jpg"); }},
        BrokenCase{"unknown_format", "ImgBGProgress", "progress.xyz",
                   [] { return resourceBytes(":/pictures/ImgBGProgress.jpg"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormResTest, AnUnknownNameHasNoPicture)
{
    const TFormRes store(exeDir(), nullptr);
    EXPECT_TRUE(store.Picture("ImgNothing").isNull());
    EXPECT_TRUE(store.Picture("imgbgmain").isNull());
    EXPECT_TRUE(store.Source("ImgNothing").isEmpty());
}

TEST_F(FormResTest, AHostileSettingsFileChangesNothing)
{
    QByteArray text = "[Product]\r\nRes_Path=" + QByteArray(3000, '.') + "\r\n[FormRes_TImage]\r\n";
    for (const TFormRes::Component& component : TFormRes::Components())
        text += QByteArray(component.name) + "=" + QByteArray(3000, 'x') + "\r\n";
    writeSettings(text);
    const auto store = load();
    for (const TFormRes::Component& component : TFormRes::Components())
        EXPECT_EQ(store->Source(component.name), TFormRes::BuiltInPath(component));
}

} // namespace
