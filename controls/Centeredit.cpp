#include "Centeredit.h"

TCenterEdit::TCenterEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}
