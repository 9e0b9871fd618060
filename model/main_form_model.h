// The main window's projection: the matrix, N(t) and N(t+1) with their totals and the growth rate, as numbers.
#pragma once

#include <array>
#include <optional>

#include "model/history.h"
#include "model/leslie_matrix.h"
#include "model/number_text.h"
#include "model/result.h"

namespace dalvo {

// The two states between which Project and Transit alternate.
enum class ActionState {
    ReadyToProject,  // "Project" and its picture usable, "Transit" not
    ReadyToTransit,  // "Transit" and its picture usable, "Project" not
};

using AgeVector = std::array<double, kAgeClasses>;

// What the program starts with: F = (0, 1, 2, 1), P = (0.5, 1, 0.5) and
// N(0) = 10, 0, 0, 0.
LeslieMatrix defaultMatrix();
inline constexpr AgeVector kDefaultInitial{10, 0, 0, 0};

// The cell in row r, column c of a four-class matrix as the windows lay it
// out: fecundities on row 0, survival rates below the diagonal, else 0.
double matrixCell(const LeslieMatrix& matrix, int row, int column);

// Writes `value` into that cell; false, changing nothing, for a cell that is
// not an entry of a Leslie matrix.
bool setMatrixCell(LeslieMatrix& matrix, int row, int column, double value);

// Writes each projected step into the history. Every value it keeps is the
// value the window shows (rounded to 15 significant digits), so the next
// step starts from exactly what the student reads. Every operation works out
// its whole result before it writes anything, so a failed step leaves no trace.
class MainFormModel {
public:
    // Starts with the program's default matrix and N(0) = 10, 0, 0, 0; the
    // locale is the one the window writes its numbers in.
    MainFormModel(History& history, NumberLocale locale);

    const LeslieMatrix& matrix() const { return matrix_; }
    const AgeVector& now() const { return now_; }                       // N(t)
    const std::optional<AgeVector>& next() const { return next_; }      // N(t+1), once projected
    std::optional<double> nowTotal() const { return nowTotal_; }
    std::optional<double> nextTotal() const { return nextTotal_; }
    std::optional<double> growthRate() const { return growthRate_; }  // total of N(t+1) / total of N(t)
    std::optional<int> nowStep() const { return nowStep_; }            // t
    std::optional<int> nextStep() const { return nextStep_; }          // t + 1
    ActionState actionState() const { return actionState_; }
    bool graphEnabled() const { return graphEnabled_; }
    const History& history() const { return history_; }
    const NumberLocale& locale() const { return locale_; }

    // The ready-to-project state, "Graph" disabled, and step 0 recorded.
    Result<void> load();

    // Records step 0 from N(t) and shows its total.
    Result<void> recordStepZero();

    // One step N(t+1) = M x N(t), recorded as step t + 1.
    Result<void> projectOnce();

    // N(t+1) becomes N(t); the history is not touched.
    void transit();

    // A different matrix clears N(t+1) and its results and returns to the
    // ready-to-project state; the run goes on from N(t).
    void setMatrix(const LeslieMatrix& matrix);

    // Starts a new run at step 0 from the editor's matrix and N(0). Fails,
    // changing nothing, when the matrix is not four classes or N(0) cannot
    // be added up.
    Result<void> startNewRun(const LeslieMatrix& matrix, const AgeVector& initial);

private:
    struct StepZero {
        StepNumbers numbers;
        double shownTotal;
    };

    Result<StepZero> computeStepZero() const;
    void keepStepZero(const StepZero& zero);
    void clearNext();

    History& history_;
    NumberLocale locale_;
    LeslieMatrix matrix_;
    AgeVector now_ = kDefaultInitial;
    std::optional<AgeVector> next_;
    std::optional<double> nowTotal_;
    std::optional<double> nextTotal_;
    std::optional<double> growthRate_;
    std::optional<int> nowStep_;
    std::optional<int> nextStep_;
    ActionState actionState_ = ActionState::ReadyToProject;
    bool graphEnabled_ = false;
};

}  // namespace dalvo
