// The about screen copyrigh: the notices, the citation request and where new versions are found.
#pragma once

#include "ui/common/secondary_window.h"
#include "ui/teaching/picture_placement.h"

class QLabel;
class QPushButton;

namespace dalvo::ui {

class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Loading builds the citation with the year of today's date.
    explicit AboutWindow(QWidget* parent = nullptr);

    static constexpr PictureSize kPictureSize{136, 180};

signals:
    // "OK": on to the dedication screen.
    void dedicationRequested();

private:
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace dalvo::ui
