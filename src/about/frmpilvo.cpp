#include "frmpilvo.h"

#include "ui/DesignedControl.h"
#include "ui/DesignedScale.h"
#include "ui/ProgramArt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kBlinkMs = 1000;
// The size of the font the window was laid out for.
constexpr double kDesignedPoints = 8.25;

QFont wordFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(18);
    return font;
}

QLabel* addWord(QWidget* parent, const char* name, const QString& text, const QRect& place,
                const QFont& font)
{
    auto* label = DesignedControl::place(new QLabel(text), parent, name, place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(font);
    // No background of its own, so the picture shows around the letters.
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 192, 192));
    label->setPalette(palette);
    return label;
}

} // namespace

frmpilvo::frmpilvo(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmpilvo"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The greeting comes up in front without taking the keyboard from the document.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("I Love Pilvo"));
    setWindowIcon(ProgramArt::programIcon());

    // The picture first, so that the words lie on top of it. A desktop font larger than the
    // designed one grows the picture, the words and their places alike.
    const DesignedScale scale(font(), kDesignedPoints);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(-184, 0, 640, 480);
    Image1->setPixmap(ProgramArt::greetingPicture());
    Image1->setScaledContents(true);
    const QFont words = scale.font(wordFont());
    Label3 = addWord(this, "Label3", tr("PILVO"), {200, 96, 81, 33}, words);
    Label2 = addWord(this, "Label2", tr("LOVE"), {200, 64, 81, 33}, words);
    Label1 = addWord(this, "Label1", tr("I"), {208, 32, 65, 33}, words);
    scale.applyTo(this);
    resize(scale.size(QSize(312, 206)));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kBlinkMs);
    connect(Timer1, &QTimer::timeout, this, &frmpilvo::Timer1_Timer);
    Timer1->start();
}

void frmpilvo::Timer1_Timer()
{
    // The words blink together: all hidden when all are shown, else all shown.
    const bool shown = !Label1->isHidden() && !Label2->isHidden() && !Label3->isHidden();
    for (QLabel* word : {Label1, Label2, Label3})
        word->setVisible(!shown);
}

void frmpilvo::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    m_closing = event->isAccepted();
}
