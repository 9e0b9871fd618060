// The main window's state and its three operations: InitialCal, Projection, Transition.
#pragma once

#include "model/history.h"
#include "model/leslie_matrix.h"
#include "model/main_fields.h"
#include "model/number_text.h"
#include "model/result.h"

namespace dalvo {

// Holds the field texts that the main window mirrors and writes each
// projected step into the history. Every operation computes its whole result
// before it writes anything, so a failed step leaves no trace.
class MainFormModel {
public:
    MainFormModel(History& history, NumberLocale locale);

    const MainFields& fields() const { return fields_; }
    ActionState actionState() const { return actionState_; }
    bool graphEnabled() const { return graphEnabled_; }
    const History& history() const { return history_; }
    const NumberLocale& locale() const { return locale_; }

    // The matrix the cells show: fecundities from cells 0..3, survival rates
    // from cells 4, 9 and 14. A cell that is not a number is named in the error.
    Result<LeslieMatrix> matrix() const;

    // What loading the window does to the model: the ready-to-project state,
    // "Graph" disabled, and step 0 recorded from the design-time N(0).
    Result<void> load();

    // Records step 0 from n1: NAge, NTotal, AgeProp, and total1 and txtSimu0.
    Result<void> InitialCal();

    // One step N(t+1) = M x N(t), shown in n2 and recorded as step t + 1.
    Result<void> Projection();

    // N(t+1) becomes N(t); the history is not touched.
    void Transition();

    // A program write of a matrix cell; a changed text clears N(t+1) and its
    // results and returns to the ready-to-project state.
    void setMatrixCell(int index, const std::string& text);

    // Starts a new run at step 0 from the default-values editor's texts: the
    // fecundities (cells 0..3) and survival rates (4, 9, 14) of `matrix`, and
    // N(0). Other cells are not written. Fails, writing nothing, when a text
    // of N(0) is not a number.
    Result<void> startNewRun(const std::array<std::string, 16>& matrix,
                             const std::array<std::string, 4>& initial);

private:
    struct StepZero {
        std::array<double, kAgeClasses> nAge;
        double total;
        std::string total1;
    };

    Result<StepZero> computeStepZero() const;
    void recordStepZero(const StepZero& zero);
    Result<double> readField(const std::string& text, const std::string& what) const;
    std::string show(double value) const { return formatGeneral(value, locale_); }

    History& history_;
    NumberLocale locale_;
    MainFields fields_;
    ActionState actionState_ = ActionState::ReadyToProject;
    bool graphEnabled_ = false;
};

}  // namespace dalvo
