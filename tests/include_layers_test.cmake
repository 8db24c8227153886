# SPDX-License-Identifier: MIT
# Runs include_layers.cmake on small source trees planted in a scratch folder:
# with MODE=clean the planted tree must pass; with MODE=wrong each wrong include,
# planted alone in that tree, must fail and name its file and line.
#
# Usage: cmake -DCHECKER=<include_layers.cmake> -DWORK=<scratch dir> -DMODE=clean|wrong -P include_layers_test.cmake

cmake_minimum_required(VERSION 3.20)

# Every file of the clean tree, as "path|include|include..." ("<...>" for a system header).
set(clean_tree
  "core/common/numbers.h"
  "core/settings/record.h|core/common/numbers.h"
  "core/timeleft/left.h|core/settings/record.h"
  "core/motion/engine.h|core/timeleft/left.h"
  "core/forms/table.h|core/timeleft/left.h|core/common/numbers.h"
  "core/program/state.h|core/motion/engine.h|core/forms/table.h"
  "core/controllers/dialog.h|core/program/state.h"
  "platform/store.h|core/settings/record.h|<QString>"
  "platform/pictures/load.h|core/program/state.h|<QImage>"
  "gui/widgets/builder.h|core/forms/table.h|platform/store.h|platform/pictures/load.h|<QWidget>"
  "platform/win32/store.h|core/settings/record.h|<windows.h>"
  "platform/win32/store.cpp|platform/win32/store.h|core/forms/table.h"
  "win32/window.h|core/controllers/dialog.h|platform/win32/store.h"
  "win32/main.cpp|win32/window.h|<windows.h>")

# Each wrong file as "path|include|what the checker must say of it".
set(wrong_files
  "core/forms/row.cpp|core/motion/engine.h|(core/forms may not include core/motion)"
  "core/motion/step.cpp|core/forms/table.h|(core/motion may not include core/forms)"
  "core/forms/up.cpp|core/program/state.h|(core/forms may not include core/program)"
  "core/forms/qt.cpp|<QRect>|(core/forms must not include Qt/X11)"
  "win32/gui.cpp|gui/widgets/builder.h|(win32 may not include gui/widgets)"
  "win32/linux.cpp|platform/store.h|(win32 may not include platform)"
  "win32/qt.cpp|<QWidget>|(win32 must not include Qt/X11)"
  "platform/win32/up.cpp|win32/window.h|(platform/win32 may not include win32)"
  "platform/win32/qt.cpp|<QtCore>|(platform/win32 must not include Qt/X11)"
  "gui/widgets/win.cpp|platform/win32/store.h|(gui/widgets may not include platform/win32)"
  "platform/win.cpp|platform/win32/store.h|(platform may not include platform/win32)"
  "platform/up.cpp|platform/pictures/load.h|(platform may not include platform/pictures)"
  "platform/pictures/up.cpp|gui/widgets/builder.h|(platform/pictures may not include gui/widgets)"
  "platform/pictures/qt.cpp|<QLabel>|(platform must not include Qt Widgets)")

function(plant path includes)
  set(text "// planted\n")
  foreach(name IN LISTS includes)
    if(name MATCHES "^<")
      string(APPEND text "#include ${name}\n")
    else()
      string(APPEND text "#include \"${name}\"\n")
    endif()
  endforeach()
  file(WRITE "${WORK}/src/${path}" "${text}")
endfunction()

function(plant_clean)
  file(REMOVE_RECURSE "${WORK}")
  foreach(entry IN LISTS clean_tree)
    string(REPLACE "|" ";" fields "${entry}")
    list(POP_FRONT fields path)
    plant("${path}" "${fields}")
  endforeach()
endfunction()

function(check out_rc out_text)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DSRC=${WORK}/src -P "${CHECKER}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE text)
  set(${out_rc} ${rc} PARENT_SCOPE)
  set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "clean")
  plant_clean()
  check(rc text)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the clean planted tree fails:\n${text}")
  endif()
elseif(MODE STREQUAL "wrong")
  set(missed "")
  foreach(entry IN LISTS wrong_files)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 path)
    list(GET fields 1 name)
    list(GET fields 2 says)
    plant_clean()
    plant("${path}" "${name}")
    check(rc text)
    # The include is the file's second line.
    string(FIND "${text}" "src/${path}:2: includes " at_line)
    string(FIND "${text}" "${says}" at_says)
    if(rc EQUAL 0 OR at_line EQUAL -1 OR at_says EQUAL -1)
      string(APPEND missed "${path} including ${name}: expected a failure at src/${path}:2 ${says}, got:\n${text}\n")
    endif()
  endforeach()
  if(missed)
    message(FATAL_ERROR "${missed}")
  endif()
else()
  message(FATAL_ERROR "include_layers_test: pass -DMODE=clean or -DMODE=wrong")
endif()
