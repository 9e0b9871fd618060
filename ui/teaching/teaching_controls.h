// Controls and placement shared by the teaching screens: wrapped text labels, pictures.
#pragma once

#include <QString>
#include <Qt>
#include <string_view>

#include "ui/common/messages.h"
#include "ui/common/screen_place.h"
#include "ui/teaching/picture_placement.h"

class QLabel;
class QPixmap;
class QWidget;

namespace dalvo::ui {

// A label that wraps its plain text inside its box, as every label of these
// screens does; `label` may be a subclass built by the caller.
QLabel* setUpTextLabel(QLabel* label, const QString& name, std::string_view text, int x, int y, int width,
                       int height, double pointSize, Qt::Alignment alignment);

QLabel* makeTextLabel(QWidget* parent, const QString& name, std::string_view text, int x, int y, int width,
                      int height, double pointSize, Qt::Alignment alignment);

// The picture's size in pixels, or `expected` when the picture is missing,
// so that the layout stays the same without it.
PictureSize naturalSize(const QPixmap& picture, PictureSize expected);

// Shows the picture in the label at `size`, which keeps its shape.
void showPicture(QLabel* label, const QPixmap& picture, PictureSize size);
}  // namespace dalvo::ui
