#include "presentation/main_fields.h"

#include <optional>

namespace dalvo {

MainFields shownFields(const MainFormModel& model)
{
    const NumberLocale& locale = model.locale();
    auto text = [&](std::optional<double> value) { return value ? formatGeneral(*value, locale) : std::string(); };
    auto step = [](std::optional<int> value) { return value ? std::to_string(*value) : std::string(); };

    MainFields fields;
    for (int row = 0; row < kAgeClasses; ++row)
        for (int column = 0; column < kAgeClasses; ++column)
            fields.matrixCells[4 * row + column] = formatGeneral(matrixCell(model.matrix(), row, column), locale);
    for (int age = 0; age < kAgeClasses; ++age) {
        fields.now[age] = formatGeneral(model.now()[age], locale);
        fields.next[age] = model.next() ? formatGeneral((*model.next())[age], locale) : std::string();
    }
    fields.nowTotal = text(model.nowTotal());
    fields.nextTotal = text(model.nextTotal());
    fields.growthRate = text(model.growthRate());
    fields.nowStep = step(model.nowStep());
    fields.nextStep = step(model.nextStep());
    return fields;
}

}  // namespace dalvo
