# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Fails when a file includes a layer above its own, or Qt outside the windows.
# Run as: cmake -DROOT=<source root> -DSTAMP=<file to touch> -P check_layers.cmake
set(allowed_model "model")
set(allowed_files "model|files")
set(allowed_presentation "model|presentation")
set(allowed_ui "model|files|presentation|ui")
set(project_folders "model|files|presentation|ui|app|tests|bench|fuzz")

set(faults "")
foreach(layer model files presentation ui)
    file(GLOB_RECURSE sources ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line ${includes})
            string(REGEX MATCH "[\"<]([^\">]+)[\">]" _ "${line}")
            set(header "${CMAKE_MATCH_1}")
            file(RELATIVE_PATH where ${ROOT} ${source})
            if(header MATCHES "^(${project_folders})/" AND NOT header MATCHES "^(${allowed_${layer}})/")
                string(APPEND faults "  ${where}: ${header} is above the ${layer} layer\n")
            endif()
            if(NOT layer STREQUAL "ui" AND header MATCHES "^Q")
                string(APPEND faults "  ${where}: ${header}: the ${layer} layer is plain C++\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
file(TOUCH ${STAMP})
