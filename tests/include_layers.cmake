# SPDX-License-Identifier: MIT
# Checks that every include between files under src/ points down the layers:
#   app -> gui -> platform -> core
#   core:  controllers -> program -> motion, forms -> timeleft -> settings -> common
#          (motion and forms do not include each other)
#   gui:   saver, setup, browse, about -> widgets; setup may open browse and about
#   platform may include core/common and core/settings only; platform/pictures
#   (picture files on QtGui) any of core.
#   win32 -> platform/win32 -> core: the Windows front-end includes nothing else.
# Also: core and the Windows folders include no Qt or X11 header, platform no Qt Widgets header.
#
# Usage: cmake -DSRC=/path/to/src -P include_layers.cmake
# Needs nothing but cmake, so it runs before anything is built.

cmake_minimum_required(VERSION 3.20)

if(NOT DEFINED SRC OR NOT IS_DIRECTORY "${SRC}")
  message(FATAL_ERROR "include_layers: pass the source folder as -DSRC=<dir>")
endif()
get_filename_component(SRC "${SRC}" REALPATH)
get_filename_component(src_parent "${SRC}" DIRECTORY)

# Lowest first; the folders of one level may not include each other.
set(core_levels common settings timeleft "motion|forms" program controllers)
set(gui_windows saver setup browse about)

# Qt Widgets classes that a backend might reach for by habit.
set(widgets_headers
  QAbstractButton QAbstractItemView QAbstractScrollArea QAbstractSpinBox
  QApplication QBoxLayout QButtonGroup QCheckBox QColorDialog QComboBox
  QDialog QDialogButtonBox QDoubleSpinBox QFileDialog QFontComboBox
  QFontDialog QFormLayout QFrame QGridLayout QGroupBox QHBoxLayout
  QInputDialog QLabel QLayout QLineEdit QListView QListWidget QMainWindow
  QMenu QMessageBox QPlainTextEdit QProgressBar QPushButton QRadioButton
  QScrollArea QScrollBar QSizePolicy QSlider QSpinBox QSplitter
  QStackedWidget QStyle QStyleFactory QStyleOption QSystemTrayIcon
  QTabWidget QTextEdit QToolButton QToolTip QTreeView QTreeWidget
  QVBoxLayout QWidget)

# Sets ${out} to the level of a folder of core, or -1 when it is none.
function(core_level sub out)
  set(level -1)
  set(at 0)
  foreach(folders IN LISTS core_levels)
    string(REPLACE "|" ";" folders "${folders}")
    if(sub IN_LIST folders)
      set(level ${at})
    endif()
    math(EXPR at "${at} + 1")
  endforeach()
  set(${out} ${level} PARENT_SCOPE)
endfunction()

# Sets ${out} to the layer of a file ("core/motion", "platform", "gui/setup",
# "app", "platform/win32", ...), to "" when the path fits no layer, or to "resources".
function(layer_of path out)
  file(RELATIVE_PATH rel "${SRC}" "${path}")
  string(REPLACE "/" ";" parts "${rel}")
  list(LENGTH parts depth)
  set(result "")
  if(depth GREATER 1)
    list(GET parts 0 top)
    if(top STREQUAL "platform" AND depth GREATER 2 AND "${parts}" MATCHES "^platform;(win32|pictures);")
      set(result "platform/${CMAKE_MATCH_1}")
    elseif(top STREQUAL "platform" OR top STREQUAL "app" OR top STREQUAL "resources" OR top STREQUAL "win32")
      set(result "${top}")
    elseif(depth GREATER 2 AND (top STREQUAL "core" OR top STREQUAL "gui"))
      list(GET parts 1 sub)
      if(top STREQUAL "core")
        core_level("${sub}" known)
      elseif(sub STREQUAL "widgets")
        set(known 0)
      else()
        list(FIND gui_windows "${sub}" known)
      endif()
      if(known GREATER -1)
        set(result "${top}/${sub}")
      endif()
    endif()
  endif()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Sets ${out} to TRUE when a file of layer ${from} may include one of ${to}.
function(may_include from to out)
  set(ok FALSE)
  string(REGEX MATCH "^[a-z]+" from_top "${from}")
  string(REGEX MATCH "^[a-z]+" to_top "${to}")
  if(from STREQUAL to OR from STREQUAL "app")
    set(ok TRUE)
  elseif(from_top STREQUAL "core" AND to_top STREQUAL "core")
    string(REPLACE "core/" "" f "${from}")
    string(REPLACE "core/" "" t "${to}")
    core_level("${f}" fi)
    core_level("${t}" ti)
    if(ti LESS fi)
      set(ok TRUE)
    endif()
  elseif(from STREQUAL "win32" OR from STREQUAL "platform/win32")
    # The front-end draws on its own platform layer, as gui does on platform.
    if(to_top STREQUAL "core" OR (from STREQUAL "win32" AND to STREQUAL "platform/win32"))
      set(ok TRUE)
    endif()
  elseif(from STREQUAL "platform")
    if(to STREQUAL "core/common" OR to STREQUAL "core/settings")
      set(ok TRUE)
    endif()
  elseif(from STREQUAL "platform/pictures")
    if(to_top STREQUAL "core")
      set(ok TRUE)
    endif()
  elseif(from_top STREQUAL "gui")
    if(to_top STREQUAL "core" OR to STREQUAL "platform" OR to STREQUAL "platform/pictures" OR to STREQUAL "gui/widgets")
      set(ok TRUE)
    elseif(from STREQUAL "gui/setup" AND (to STREQUAL "gui/browse" OR to STREQUAL "gui/about"))
      set(ok TRUE)
    endif()
  endif()
  set(${out} ${ok} PARENT_SCOPE)
endfunction()

# Sets ${out} to the file under src/ that an include names, or "" when it
# names none (a system, Qt or standard header).
function(resolve_include includer delim name out)
  set(result "")
  get_filename_component(dir "${includer}" DIRECTORY)
  set(candidates "${SRC}/${name}")
  if(delim STREQUAL "\"")
    # The compiler looks beside the including file first.
    list(PREPEND candidates "${dir}/${name}")
  endif()
  foreach(candidate IN LISTS candidates)
    get_filename_component(candidate "${candidate}" ABSOLUTE)
    string(FIND "${candidate}/" "${SRC}/" at)
    if(at EQUAL 0 AND EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}")
      set(result "${candidate}")
      break()
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false "${SRC}/*.h" "${SRC}/*.cpp")
list(SORT files)

set(violations "")
set(checked 0)
foreach(file IN LISTS files)
  layer_of("${file}" from)
  if(from STREQUAL "resources")
    continue()
  endif()
  file(RELATIVE_PATH shown "${src_parent}" "${file}")
  file(RELATIVE_PATH rel "${SRC}" "${file}")
  string(REGEX MATCH "^[^/]+/" top_dir "${rel}")
  if(from STREQUAL "")
    string(REPLACE ";" "|" core_folders "${core_levels}")
    list(APPEND violations "${shown}: not in a layer (expected core/<${core_folders}>, platform, platform/pictures, gui/<widgets|saver|setup|browse|about>, app, win32, platform/win32 or resources)")
  endif()

  file(READ "${file}" content)
  # Characters that CMake lists treat specially never occur in an include
  # line; blanking them keeps one list element per line, so numbers hold.
  string(REPLACE "\\" " " content "${content}")
  string(REPLACE ";" " " content "${content}")
  string(REPLACE "[" " " content "${content}")
  string(REPLACE "]" " " content "${content}")
  string(REPLACE "\n" ";" lines "${content}")

  set(line_no 0)
  foreach(line IN LISTS lines)
    math(EXPR line_no "${line_no} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(delim "${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    set(where "${shown}:${line_no}")

    resolve_include("${file}" "${delim}" "${name}" target)
    if(target STREQUAL "")
      if((top_dir STREQUAL "core/" OR from MATCHES "win32$") AND (name MATCHES "^Q[A-Za-z]" OR name MATCHES "^q[a-z0-9_]*\\.h$"
                                      OR name MATCHES "^(xcb|X11|xkbcommon)/"))
        list(APPEND violations "${where}: includes <${name}> (${from} must not include Qt/X11)")
      elseif(top_dir STREQUAL "platform/")
        string(REGEX REPLACE "\\.h$" "" class "${name}")
        list(FIND widgets_headers "${class}" widget)
        if(name MATCHES "^QtWidgets($|/)" OR widget GREATER -1)
          list(APPEND violations "${where}: includes <${name}> (platform must not include Qt Widgets)")
        endif()
      endif()
      continue()
    endif()

    layer_of("${target}" to)
    if(to STREQUAL "resources" OR from STREQUAL "")
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(RELATIVE_PATH target_shown "${src_parent}" "${target}")
    if(to STREQUAL "")
      list(APPEND violations "${where}: includes ${target_shown} (${target_shown} is not in a layer)")
      continue()
    endif()
    may_include("${from}" "${to}" ok)
    if(NOT ok)
      list(APPEND violations "${where}: includes ${target_shown} (${from} may not include ${to})")
    endif()
  endforeach()
endforeach()

list(LENGTH violations count)
if(count GREATER 0)
  foreach(v IN LISTS violations)
    message(NOTICE "${v}")
  endforeach()
  message(FATAL_ERROR "include_layers: ${count} violation(s), ${checked} includes between files under src/ checked")
endif()
message(STATUS "include_layers: ${checked} includes checked, all point down")
