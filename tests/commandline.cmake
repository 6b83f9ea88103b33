# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line without any display: what each call prints, on which stream, and its exit
# status. -DZELTA=<program> -DVERSION=<x.y.z>
cmake_minimum_required(VERSION 3.22)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

set(failures "")
# check(<expected status> <stdout regex> <stderr regex> <argument>...): an empty regex means
# the stream must stay empty; status "fail" means any non-zero status.
function(check status out_re err_re)
    execute_process(COMMAND ${ZELTA} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err TIMEOUT 30)
    set(ok TRUE)
    if(status STREQUAL "fail")
        if(rc STREQUAL "0")
            set(ok FALSE)
        endif()
    elseif(NOT rc STREQUAL status)
        set(ok FALSE)
    endif()
    foreach(stream out err)
        if(${stream}_re STREQUAL "")
            if(NOT ${stream} STREQUAL "")
                set(ok FALSE)
            endif()
        elseif(NOT ${stream} MATCHES "${${stream}_re}")
            set(ok FALSE)
        endif()
    endforeach()
    if(NOT ok)
        set(failures "${failures}\nzelta ${ARGN}: status ${rc}\n--- stdout:\n${out}--- stderr:\n${err}"
            PARENT_SCOPE)
    endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
set(usage "Usage: zelta \\[options\\]\n.*-h, --help .*-v, --version ")
check(0 "^Zelta ${version}\n$" "" --version)
check(0 "^Zelta ${version}\n$" "" -v)
check(0 "^${usage}" "" --help)
check(0 "^${usage}" "" -h)
# A mistake: one line naming it, then the usage, all on standard error.
check(2 "" "^zelta: unknown option '--bogus'\n${usage}" --bogus)
check(2 "" "^zelta: unexpected argument 'sieve'\nUsage:" sieve)
check(2 "" "^zelta: option '-platform' needs a value\nUsage:" -platform)
# Qt's options and their values are let through, with one dash or two...
check(2 "" "^zelta: unknown option '-x'\n"
      -style Fusion --reverse -qwindowgeometry 640x480+0+0 -stylesheet=a.qss -x)
check(0 "^Zelta " "" -platform offscreen --version)
# ...and reach Qt, which looks for the platform it was asked for.
check(fail "" "platform plugin \"zelta-none\"" -platform zelta-none)
# Without options the program starts and stays, its splash and then its chooser, until the
# user ends it.
execute_process(COMMAND ${ZELTA} -platform offscreen RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET
                TIMEOUT 3)
if(NOT rc MATCHES "timeout")
    set(failures "${failures}\nzelta -platform offscreen: ended by itself, status ${rc}")
endif()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
