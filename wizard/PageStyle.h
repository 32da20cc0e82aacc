#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

// The look the pages share: white group boxes on the page background, bold and pixel-sized
// Tahoma texts.
QGroupBox* AddWhiteGroupBox(QWidget* parent, const char* name, const QString& caption,
                            const QRect& geometry);
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);
void SetBold(QWidget* widget);
void SetPixelSize(QWidget* widget, int pixels);
