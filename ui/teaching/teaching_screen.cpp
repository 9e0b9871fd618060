#include "ui/teaching/teaching_screen.h"

#include <QLabel>
#include <QPixmap>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/secondary_window.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

void giveObjectNames(std::initializer_list<ObjectName> names)
{
    for (const ObjectName& entry : names)
        entry.object->setObjectName(QString::fromLatin1(entry.name));
}

void setUpScreen(QWidget* screen, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background)
{
    screen->setWindowTitle(caption);
    makeFixedSizeWindow(screen, widthTwips, heightTwips);
    setBackground(screen, background);
}

QLabel* setUpTextLabel(QLabel* label, const QString& text, int x, int y, int width, int height,
                       Qt::Alignment alignment)
{
    // Plain text: a "<" in a reference must never turn the list into markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(twipRect(x, y, width, height));
    label->setFont(timesFont(12));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

QLabel* addTextLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                     Qt::Alignment alignment)
{
    return setUpTextLabel(new QLabel(parent), text, x, y, width, height, alignment);
}

QLabel* addPicture(QWidget* parent, const QString& accessibleName, int x, int y, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setAccessibleName(accessibleName);
    label->setGeometry(twipRect(x, y, width, height));
    return label;
}

PictureSize showPicture(QLabel* label, const QString& fileName, PictureSize expected, PictureFit fit)
{
    const QPixmap picture = assetPixmap(fileName);
    PictureSize size = picture.isNull() ? expected : PictureSize{picture.width(), picture.height()};
    if (fit == PictureFit::ShrinkToLabel)
        size = fitWithin(size, {label->width(), label->height()});
    if (picture.isNull())
        return size;
    if (picture.width() == size.width && picture.height() == size.height)
        label->setPixmap(picture);
    else
        label->setPixmap(
            picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return size;
}

QPushButton* addButton(QWidget* screen, const QString& caption, int x, int y, int width, int height,
                       Pointer pointer)
{
    QPushButton* button = makeButton(screen, QString(), caption, {}, x, y, width, height);
    if (pointer == Pointer::PointingHand)
        button->setCursor(pointingHandCursor());
    return button;
}

void finishScreen(QWidget* screen, QWidget* firstFocus)
{
    firstFocus->setFocus();
    centreOnScreen(screen);
}

}  // namespace dalvo::ui
