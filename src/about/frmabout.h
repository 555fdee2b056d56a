#pragma once

#include "ui/ChildWindow.h"

class QFrame;
class QLabel;
class Config;

// The about box: name, version, picture, description, web address and how often the program
// has been opened.
class frmabout : public ChildWindow
{
    Q_OBJECT

public:
    explicit frmabout(const Config& config, QWidget* parent = nullptr);

    QFrame* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblvimb = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblran = nullptr;
};
