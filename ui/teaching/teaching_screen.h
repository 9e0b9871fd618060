// What every teaching screen is built from: its fixed frame, wrapped text, pictures and leaving buttons.
#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>
#include <Qt>
#include <initializer_list>

#include "presentation/picture_placement.h"

class QLabel;
class QWidget;

namespace dalvo::ui {

// The names tests and accessibility tools find a window and its controls by,
// given all at once from one table per window.
struct ObjectName {
    QObject* object;
    const char* name;
};
void giveObjectNames(std::initializer_list<ObjectName> names);

// A fixed-size screen of widthTwips x heightTwips client area.
void setUpScreen(QWidget* screen, const QString& caption, int widthTwips, int heightTwips,
                 const QColor& background);

// A label that wraps its plain text inside its box in 12-point Times, as
// every label of these screens does; `label` may be a subclass built by the
// caller.
QLabel* setUpTextLabel(QLabel* label, const QString& text, int x, int y, int width, int height,
                       Qt::Alignment alignment);
QLabel* addTextLabel(QWidget* parent, const QString& text, int x, int y, int width, int height,
                     Qt::Alignment alignment);

// An empty label at its place in twips, waiting for showPicture().
QLabel* addPicture(QWidget* parent, const QString& accessibleName, int x, int y, int width, int height);

enum class PictureFit {
    OwnSize,
    // Shrunk, with its shape kept, when larger than the label it goes into.
    ShrinkToLabel,
};

// Shows the program's picture `fileName` in `label` and returns the size it
// is shown at; a missing picture counts as `expected` so that the layout
// stays the same without it. The label keeps its own size.
PictureSize showPicture(QLabel* label, const QString& fileName, PictureSize expected, PictureFit fit);

enum class Pointer { Arrow, PointingHand };

QPushButton* addButton(QWidget* screen, const QString& caption, int x, int y, int width, int height,
                       Pointer pointer);

// A button that asks for one of the screen's ways out.
template <class Screen>
QPushButton* addLeavingButton(Screen* screen, const QString& caption, int x, int y, int width, int height,
                              Pointer pointer, void (Screen::*wayOut)())
{
    QPushButton* button = addButton(screen, caption, x, y, width, height, pointer);
    QObject::connect(button, &QPushButton::clicked, screen, wayOut);
    return button;
}

// The screen opens with `firstFocus` focused, in the middle of the screen.
void finishScreen(QWidget* screen, QWidget* firstFocus);

}  // namespace dalvo::ui
