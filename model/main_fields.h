// The texts of the main window's fields: the current state of the projection.
#pragma once

#include <array>
#include <string>

namespace dalvo {

struct MainFields {
    // Element 4r + c is the cell in row r, column c. Row 0 holds the
    // fecundities; cells 4, 9 and 14 hold the survival rates.
    std::array<std::string, 16> m{"0",   "1", "2",   "1",  //
                                  "0.5", "0", "0",   "0",  //
                                  "0",   "1", "0",   "0",  //
                                  "0",   "0", "0.5", "0"};
    std::array<std::string, 4> n1{"10", "0", "0", "0"};  // N(t)
    std::array<std::string, 4> n2{" ", " ", " ", " "};   // N(t + 1)
    std::string total1 = " ";
    std::string total2 = " ";
    std::string growrate = " ";
    std::string txtSimu0 = " ";  // t
    std::string txtSimuT;        // t + 1

    bool operator==(const MainFields&) const = default;
};

// The two states between which Project and Transit alternate.
enum class ActionState {
    ReadyToProject,  // "Project" and its picture usable, "Transit" not
    ReadyToTransit,  // "Transit" and its picture usable, "Project" not
};

}  // namespace dalvo
