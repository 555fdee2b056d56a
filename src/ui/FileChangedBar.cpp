#include "FileChangedBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

FileChangedBar::FileChangedBar(QWidget* parent)
    : QWidget(parent), lblchanged(new QLabel(tr("Another program changed this file."))),
      cmdreload(new QPushButton(tr("&Reload"))), cmddismiss(new QPushButton(tr("Dismiss")))
{
    setObjectName(QStringLiteral("filechangedbar"));
    lblchanged->setObjectName(QStringLiteral("lblchanged"));
    cmdreload->setObjectName(QStringLiteral("cmdreload"));
    cmddismiss->setObjectName(QStringLiteral("cmddismiss"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(lblchanged, 1);
    row->addWidget(cmdreload);
    row->addWidget(cmddismiss);
    connect(cmdreload, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT reloadRequested();
    });
    connect(cmddismiss, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}
