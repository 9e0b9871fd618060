// The program-wide shared state: the one history of the run that every window reads.
#pragma once

#include "model/history.h"

namespace dalvo::Module1 {

// Created zeroed at first use and never cleared or resized.
History& history();

}  // namespace dalvo::Module1
