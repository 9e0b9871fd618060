// The texts the main window shows for the model's numbers: where numbers become text for the student.
#pragma once

#include <array>
#include <string>

#include "model/main_form_model.h"

namespace dalvo {

struct MainFields {
    // Element 4r + c is the cell in row r, column c: row 0 holds the
    // fecundities, cells 4, 9 and 14 the survival rates, every other cell 0.
    std::array<std::string, 16> matrixCells;
    std::array<std::string, 4> now;   // N(t)
    std::array<std::string, 4> next;  // N(t + 1), empty until projected
    std::string nowTotal;
    std::string nextTotal;
    std::string growthRate;
    std::string nowStep;   // t
    std::string nextStep;  // t + 1

    bool operator==(const MainFields&) const = default;
};

// Every number in the general format with the model's decimal separator;
// what is not known yet is empty.
MainFields shownFields(const MainFormModel& model);

}  // namespace dalvo
