# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Fails when the sources hold a text that a translation lacks, or a
# translation holds a text the sources no longer have.
# Run as: cmake -DLUPDATE=<lupdate> -DROOT=<source root> -DFOLDERS=<a;b> -DOPTIONS=<options>
#               -DTS=<committed .ts> -DCOPY=<scratch .ts> -P check_translations.cmake
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
set(folders "")
foreach(folder ${FOLDERS})
    list(APPEND folders ${ROOT}/${folder})
endforeach()
configure_file(${TS} ${COPY} COPYONLY)
execute_process(COMMAND ${LUPDATE} ${options} -I ${ROOT} ${folders} -ts ${COPY}
    RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed)
    message(FATAL_ERROR "lupdate failed:\n${said}")
endif()

# Each entry's first line of source text, then its translation's state.
file(STRINGS ${COPY} lines)
set(faults "")
foreach(line IN LISTS lines)
    if(line MATCHES "<source>([^<]*)")
        set(text "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|obsolete|vanished)\"")
        string(APPEND faults "  ${CMAKE_MATCH_1}: ${text}\n")
    endif()
endforeach()
if(faults)
    get_filename_component(name ${TS} NAME)
    message(FATAL_ERROR "${name} is not up to date with the sources "
        "(cmake --build build --target update_translations, then translate in Linguist):\n${faults}")
endif()
