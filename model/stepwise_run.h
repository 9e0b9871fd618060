// One run of a Leslie matrix: the matrix, N(t), N(t+1), the history and the long-term outlook, with one change notification.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/history.h"
#include "model/leslie_matrix.h"
#include "model/long_term_outlook.h"
#include "model/result.h"

namespace dalvo {

// The two states between which Project and Transit alternate.
enum class ActionState {
    ReadyToProject,  // "Project" and its picture usable, "Transit" not
    ReadyToTransit,  // "Transit" and its picture usable, "Project" not
};

// What the program starts with: F = (0, 1, 2, 1), P = (0.5, 1, 0.5) and
// N(0) = 10, 0, 0, 0.
LeslieMatrix defaultMatrix();
std::vector<double> defaultInitial();

// Each projected step goes into the history. Every value it keeps is the
// value the window shows (rounded to 15 significant digits), so the next step
// starts from exactly what the student reads. Every operation works out its
// whole result before it writes anything, so a failed step leaves no trace
// and tells no one. Whatever changes, the subscribers hear of it once.
class StepwiseRun {
public:
    class Subscription;
    using Listener = std::function<void(const StepwiseRun&)>;

    // The program's default matrix and N(0), step 0 not yet recorded.
    StepwiseRun();
    StepwiseRun(const StepwiseRun&) = delete;
    StepwiseRun& operator=(const StepwiseRun&) = delete;

    const LeslieMatrix& matrix() const { return matrix_; }
    int classes() const { return matrix_.classes(); }
    const std::vector<double>& now() const { return now_; }                  // N(t)
    const std::optional<std::vector<double>>& next() const { return next_; }  // N(t+1), once projected
    std::optional<double> nowTotal() const { return nowTotal_; }
    std::optional<double> nextTotal() const { return nextTotal_; }
    std::optional<double> growthRate() const { return growthRate_; }  // total of N(t+1) / total of N(t)
    std::optional<int> nowStep() const { return nowStep_; }            // t
    std::optional<int> nextStep() const { return nextStep_; }          // t + 1
    ActionState actionState() const { return actionState_; }
    bool graphEnabled() const { return graphEnabled_; }
    const History& history() const { return history_; }
    // Where the matrix leads in the long run, worked out once per matrix on
    // first asking.
    const Result<LongTermOutlook>& outlook() const;
    // Counts the matrices this run has had, so that a reader can tell a new
    // matrix (and outlook) from a new step.
    int matrixGeneration() const { return matrixGeneration_; }

    // The ready-to-project state, "Graph" disabled, and step 0 recorded from N(t).
    Result<void> load();

    // One step N(t+1) = M x N(t), recorded as step t + 1.
    Result<void> project();

    // N(t+1) becomes N(t); the history is not touched.
    void transit();

    // A different matrix of as many classes clears N(t+1) and its results and
    // returns to the ready-to-project state; the run goes on from N(t).
    Result<void> setMatrix(const LeslieMatrix& matrix);

    // Starts a new run at step 0. Fails, changing nothing, when the matrix is
    // not 1..101 classes, N(0) has another number of classes, or N(0) cannot
    // be added up.
    Result<void> startNewRun(const LeslieMatrix& matrix, const std::vector<double>& initial);

    // `listener` hears of every change until the subscription ends; the run
    // may end first.
    [[nodiscard]] Subscription subscribe(Listener listener) const;

private:
    struct Listeners {
        int nextId = 0;
        std::vector<std::pair<int, Listener>> entries;
    };

    struct StepZero {
        StepNumbers numbers;
        double shownTotal;
    };

    Result<StepZero> computeStepZero() const;
    void keepStepZero(const StepZero& zero);
    void clearNext();
    void newMatrix(const LeslieMatrix& matrix);
    void notify() const;


    History history_;
    LeslieMatrix matrix_;
    std::vector<double> now_;
    std::optional<std::vector<double>> next_;
    std::optional<double> nowTotal_;
    std::optional<double> nextTotal_;
    std::optional<double> growthRate_;
    std::optional<int> nowStep_;
    std::optional<int> nextStep_;
    ActionState actionState_ = ActionState::ReadyToProject;
    bool graphEnabled_ = false;
    int matrixGeneration_ = 0;
    mutable std::optional<Result<LongTermOutlook>> outlook_;
    std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
};

// Ends its listener's subscription when it goes; a default one listens to nothing.
class StepwiseRun::Subscription {
public:
    Subscription() = default;
    Subscription(Subscription&& other) noexcept { *this = std::move(other); }
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription() { end(); }

    void end();

private:
    friend class StepwiseRun;
    Subscription(std::weak_ptr<Listeners> listeners, int id) : listeners_(std::move(listeners)), id_(id) {}

    std::weak_ptr<Listeners> listeners_;
    int id_ = -1;
};

}  // namespace dalvo
