#include "ui/teaching/teaching_controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStyle>

#include "ui/common/controls.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

QLabel* setUpTextLabel(QLabel* label, const QString& name, std::string_view text, int x, int y, int width,
                       int height, double pointSize, Qt::Alignment alignment)
{
    label->setObjectName(name);
    // Plain text: a "<" in a reference must never turn the list into markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(text));
    label->setGeometry(twipRect(x, y, width, height));
    label->setFont(timesFont(pointSize));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

QLabel* makeTextLabel(QWidget* parent, const QString& name, std::string_view text, int x, int y, int width,
                      int height, double pointSize, Qt::Alignment alignment)
{
    return setUpTextLabel(new QLabel(parent), name, text, x, y, width, height, pointSize, alignment);
}

PictureSize naturalSize(const QPixmap& picture, PictureSize expected)
{
    if (picture.isNull())
        return expected;
    return {picture.width(), picture.height()};
}

void showPicture(QLabel* label, const QPixmap& picture, PictureSize size)
{
    if (picture.isNull())
        return;
    if (picture.width() == size.width && picture.height() == size.height)
        label->setPixmap(picture);
    else
        label->setPixmap(
            picture.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace dalvo::ui
