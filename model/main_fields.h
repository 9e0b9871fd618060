// The texts the main window shows for the model's numbers: where numbers become text for the student.
#pragma once

#include <array>
#include <string>

#include "model/main_form_model.h"

namespace dalvo {

struct MainFields {
    // Element 4r + c is the cell in row r, column c: row 0 holds the
    // fecundities, cells 4, 9 and 14 the survival rates, every other cell 0.
    std::array<std::string, 16> m;
    std::array<std::string, 4> n1;  // N(t)
    std::array<std::string, 4> n2;  // N(t + 1), empty until projected
    std::string total1;
    std::string total2;
    std::string growrate;
    std::string txtSimu0;  // t
    std::string txtSimuT;  // t + 1

    bool operator==(const MainFields&) const = default;
};

// Every number in the general format with the model's decimal separator;
// what is not known yet is empty.
MainFields shownFields(const MainFormModel& model);

}  // namespace dalvo
