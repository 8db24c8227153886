# SPDX-License-Identifier: MIT
# The Windows build's tests run under Wine: GoogleTest built from Debian's sources with the cross
# compiler, every test program started through tests/wine/run.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/run ${CMAKE_BINARY_DIR})

add_executable(wine_session ${CMAKE_CURRENT_LIST_DIR}/session.cpp)
set_target_properties(wine_session PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/wine)
target_link_options(wine_session PRIVATE -static)

# Every Windows test requires this fixture; it ends the session program after the last one.
add_test(NAME wine_session_end COMMAND ${CMAKE_CURRENT_LIST_DIR}/run ${CMAKE_BINARY_DIR} --end-session)
set_tests_properties(wine_session_end PROPERTIES FIXTURES_CLEANUP wine_session)
