#pragma once

#include <QLineEdit>

// A one-line edit box whose text stays centred as it grows (the octet fields of the IP
// address editor).
class TCenterEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TCenterEdit(QWidget* parent = nullptr);
};
