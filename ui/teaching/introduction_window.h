// The introduction screen Introfrm: a page on the Dalvo-Leslie matrix and the limits of the model.
#pragma once

#include "ui/common/secondary_window.h"

class QPushButton;
class QTextEdit;

namespace dalvo::ui {

class IntroductionWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit IntroductionWindow(QWidget* parent = nullptr);

signals:
    // "OK": back to the main window.
    void goBackRequested();
    // "References": on to the literature list.
    void referencesRequested();

private:
    QTextEdit* Text1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace dalvo::ui
