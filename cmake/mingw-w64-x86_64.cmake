# Cross-compiling toolchain for 64-bit Windows with mingw-w64 (posix threads).
# Tests of this build run under Wine through tools/wine-run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER ${_triple}-gcc-posix)
find_program(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
find_program(CMAKE_RC_COMPILER ${_triple}-windres)
foreach(_tool CMAKE_C_COMPILER CMAKE_CXX_COMPILER CMAKE_RC_COMPILER)
  if(NOT ${_tool})
    message(FATAL_ERROR "${_triple} toolchain not found (${_tool}); run tools/bootstrap")
  endif()
endforeach()

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(VEXO_WINE wine)
if(NOT VEXO_WINE)
  message(FATAL_ERROR "wine not found (needed to run the Windows tests); run tools/bootstrap")
endif()
# CMAKE_CROSSCOMPILING_EMULATOR is set by the top-level CMakeLists, which
# knows the build tree that holds the Wine prefix.
