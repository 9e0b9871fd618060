# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Builds a check that every source file includes only what its layer may use.
function(dalvo_check_layers)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/model/*.h ${PROJECT_SOURCE_DIR}/model/*.cpp
        ${PROJECT_SOURCE_DIR}/files/*.h ${PROJECT_SOURCE_DIR}/files/*.cpp
        ${PROJECT_SOURCE_DIR}/presentation/*.h ${PROJECT_SOURCE_DIR}/presentation/*.cpp
        ${PROJECT_SOURCE_DIR}/ui/*.h ${PROJECT_SOURCE_DIR}/ui/*.cpp)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers.checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp}
                -P ${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake
        DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/check_layers.cmake
        COMMENT "Checking that each layer includes only the layers below it")
    add_custom_target(dalvo_layers ALL DEPENDS ${stamp})
    foreach(target dalvo_model dalvo_files dalvo_presentation)
        add_dependencies(${target} dalvo_layers)
    endforeach()
endfunction()
