// The random walk's memory of its last actions, printed when a check fails and when the walk crashes.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace dalvo::testing_walk {

// Keeps the last kKept actions in fixed buffers, so that a crash handler
// can print them without allocating.
class WalkLog {
public:
    static constexpr int kKept = 20;

    explicit WalkLog(std::uint32_t seed);
    ~WalkLog();
    WalkLog(const WalkLog&) = delete;
    WalkLog& operator=(const WalkLog&) = delete;

    void record(int index, const std::string& action);

    // The seed, the index of the last action and the last actions, oldest
    // first: what a replay needs.
    std::string replayNote() const;

private:
    struct Entry {
        int index = -1;
        std::array<char, 200> text{};
    };

    std::uint32_t seed_;
    std::array<Entry, kKept> entries_{};
    int next_ = 0;
    int lastIndex_ = -1;

    friend void writeCrashNote(int signal);
};

}  // namespace dalvo::testing_walk
