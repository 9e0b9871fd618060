// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "tests/app/walk_log.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace dalvo::testing_walk {

namespace {

// The one log a crash handler can reach; a walk runs one at a time.
WalkLog* activeLog = nullptr;

constexpr int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};

void writeText(const char* text)
{
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

}  // namespace

void writeCrashNote(int signal)
{
    if (activeLog != nullptr) {
        char line[256];
        std::snprintf(line, sizeof line,
                      "\nThe random walk crashed (signal %d); replay with DALVO_WALK_SEED=%u\n", signal,
                      static_cast<unsigned>(activeLog->seed_));
        writeText(line);
        for (int k = 0; k < WalkLog::kKept; ++k) {
            const auto& entry = activeLog->entries_[(activeLog->next_ + k) % WalkLog::kKept];
            if (entry.index < 0)
                continue;
            std::snprintf(line, sizeof line, "  #%d %s\n", entry.index, entry.text.data());
            writeText(line);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

WalkLog::WalkLog(std::uint32_t seed) : seed_(seed)
{
    activeLog = this;
    for (int signal : kCrashSignals)
        std::signal(signal, writeCrashNote);
}

WalkLog::~WalkLog()
{
    for (int signal : kCrashSignals)
        std::signal(signal, SIG_DFL);
    activeLog = nullptr;
}

void WalkLog::record(int index, const std::string& action)
{
    Entry& entry = entries_[next_];
    entry.index = index;
    std::snprintf(entry.text.data(), entry.text.size(), "%s", action.c_str());
    next_ = (next_ + 1) % kKept;
    lastIndex_ = index;
}

std::string WalkLog::replayNote() const
{
    std::string note = "seed " + std::to_string(seed_) +
                       " (replay with DALVO_WALK_SEED=" + std::to_string(seed_) + "), action " +
                       std::to_string(lastIndex_) + "; the last actions:\n";
    for (int k = 0; k < kKept; ++k) {
        const Entry& entry = entries_[(next_ + k) % kKept];
        if (entry.index >= 0)
            note += "  #" + std::to_string(entry.index) + " " + entry.text.data() + "\n";
    }
    return note;
}

}  // namespace dalvo::testing_walk
