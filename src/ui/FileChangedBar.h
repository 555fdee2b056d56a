#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A notice over the document that its file was changed by another program, with a button to
// read it again. It asks nothing and stops nothing: the user may go on reading.
class FileChangedBar : public QWidget
{
    Q_OBJECT

public:
    explicit FileChangedBar(QWidget* parent = nullptr);

    QLabel* lblchanged = nullptr;
    QPushButton* cmdreload = nullptr;
    QPushButton* cmddismiss = nullptr;

Q_SIGNALS:
    void reloadRequested();
};
