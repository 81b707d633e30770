// The main window.
#include "Unit1.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Kestrune for Windows"));
    resize(770, 440);
}
