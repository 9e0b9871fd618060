#include "ui/teaching/about_window.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/about_texts.h"
#include "ui/teaching/teaching_controls.h"

namespace dalvo::ui {

namespace {

const QColor kCyan{0, 255, 255};

void giveSunkenBorder(QLabel* label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("copyrigh"));
    setWindowTitle(QStringLiteral("Copyright"));
    makeFixedSizeWindow(this, 9528, 6828);
    setBackground(this, colours::lightGrey);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    Label2 = makeTextLabel(this, QStringLiteral("Label2"), usageNotice(), 360, 480, 9012, 1092, 12, centred);
    setTextColour(Label2, colours::blue);

    Label3 =
        makeTextLabel(this, QStringLiteral("Label3"), protectionNotice(), 360, 1680, 8892, 732, 12, centred);
    Label3->setFont(timesFont(12, true));
    setTextColour(Label3, colours::yellow);
    setBackground(Label3, colours::red);
    giveSingleBorder(Label3);

    Label4 = makeTextLabel(this, QStringLiteral("Label4"), rightsLine(), 7200, 2520, 2292, 372, 12, centred);
    setTextColour(Label4, colours::blue);

    Label7 = makeTextLabel(this, QStringLiteral("Label7"), citation(QDate::currentDate().year()), 360, 2640,
                           6612, 1932, 12, Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label7, colours::yellow);
    setBackground(Label7, colours::blue);
    giveSunkenBorder(Label7);

    Label5 = makeTextLabel(this, QStringLiteral("Label5"), makerNotice(), 7200, 3000, 2292, 612, 12, centred);
    setTextColour(Label5, colours::blue);

    // A picture larger than its box at this screen's scale is shrunk to fit
    // rather than cut off.
    const QPixmap picture = assetPixmap(QStringLiteral("insect.png"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(7560, 3720, 1656, 2172));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Picture of an insect"));
    setBackground(Picture1, colours::lightGrey);
    const QSize box = Picture1->size();
    showPicture(Picture1, picture,
                fitWithin(naturalSize(picture, kPictureSize), {box.width(), box.height()}));

    Label6 =
        makeTextLabel(this, QStringLiteral("Label6"), newVersionNotice(), 360, 4680, 6612, 1932, 12, centred);
    setTextColour(Label6, Qt::black);
    setBackground(Label6, kCyan);
    giveSunkenBorder(Label6);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), {}, 7800, 6120, 1215, 495);
    Command1->setCursor(pointingHandCursor());
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &AboutWindow::dedicationRequested);

    centreOnScreen(this);
}

}  // namespace dalvo::ui
