// The main window: tool bar, size and language boxes, and the board.
#pragma once

#include <QWidget>

class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr);
};
