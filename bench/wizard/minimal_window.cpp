// The yardstick for the menu's start-up: a minimal Qt program that shows one 600 x 450 picture
// window and leaves after its first paint.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTimer>

class PictureWindow : public QLabel
{
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PictureWindow window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setPixmap(QPixmap::fromImage(QImage(":/pictures/ImgBGAutorun.jpg")));
    window.resize(600, 450);
    window.show();
    return QApplication::exec();
}
