#include "PageStyle.h"

#include <QGroupBox>
#include <QLabel>

QGroupBox* AddWhiteGroupBox(QWidget* parent, const char* name, const QString& caption,
                            const QRect& geometry)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setAutoFillBackground(true);
    box->setStyleSheet(QStringLiteral("QGroupBox#%1 { background: white; border: 1px solid "
                                      "#a0a0a0; margin-top: 6px; }"
                                      "QGroupBox#%1::title { subcontrol-origin: margin; left: 8px; "
                                      "background: white; }")
                           .arg(name));
    return box;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void SetBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void SetPixelSize(QWidget* widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}
