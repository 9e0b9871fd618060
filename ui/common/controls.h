// Building blocks shared by the windows: fonts, colours, fields and buttons placed in twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

class QObject;

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dalvo::ui {

namespace colours {
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor navy{0, 0, 128};
inline const QColor yellow{255, 255, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor green{0, 128, 0};
inline const QColor lightGrey{192, 192, 192};
// Behind the start-up windows.
inline const QColor darkBlue{0, 0, 64};
}  // namespace colours

QFont timesFont(double pointSize, bool bold = false);

void setTextColour(QWidget* widget, const QColor& colour);
void setBackground(QWidget* widget, const QColor& colour);

// The name a control answers to in tests and accessibility tools.
struct ControlName {
    QObject* control;
    QString name;
};

// Each window names all its controls in one table through this.
void nameControls(const std::vector<ControlName>& names);

// A single-line field that shows text the student can select but not change.
// Fields that are not tabStops are reached by the mouse only.
QLineEdit* makeReadOnlyField(QWidget* parent, const QString& name, int x, int y, int width, int height,
                             double pointSize, bool tabStop);

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip,
                        int x, int y, int width, int height);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y, int width,
                  int height, double pointSize);

// The same controls for windows that name theirs in a table.
QLineEdit* makeReadOnlyField(QWidget* parent, int x, int y, int width, int height, double pointSize,
                             bool tabStop);
QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& toolTip, int x, int y,
                        int width, int height);
QLabel* makeLabel(QWidget* parent, const QString& caption, int x, int y, int width, int height,
                  double pointSize);

// A one-pixel box around a label, like a single border.
void giveSingleBorder(QLabel* label);

// Places a window in the middle of the usable area of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace dalvo::ui
