#include "FullScreenStage.h"

#include <QStyle>
#include <QToolButton>

FullScreenStage::FullScreenStage(QWidget& mainWindow, const QString& closeText) : mainWindow_(mainWindow)
{
    setObjectName("FullScreenStage");
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(32, 32, 40));
    setPalette(ground);
    setAutoFillBackground(true);
    setWindowTitle(mainWindow.windowTitle());
    connect(&mainWindow, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    mainWindow.setParent(this, Qt::Widget);

    auto* quit = new QToolButton(this);
    quit->setObjectName("QuitButton");
    quit->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    quit->setAutoRaise(true);
    quit->setFocusPolicy(Qt::NoFocus);
    quit->setToolTip(closeText);
    quit->setAccessibleName(closeText);
    connect(quit, &QToolButton::clicked, this, &QWidget::close);
    QuitButton = quit;
}

FullScreenStage::~FullScreenStage()
{
    mainWindow_.hide();
    mainWindow_.setParent(nullptr);
}

void FullScreenStage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    mainWindow_.move((width() - mainWindow_.width()) / 2, (height() - mainWindow_.height()) / 2);
    QuitButton->adjustSize();
    QuitButton->move(width() - QuitButton->width() - 4, 4);
}
