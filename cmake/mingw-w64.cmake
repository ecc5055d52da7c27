# Cross-builds the plain C++ core and its tests for 64-bit Windows with Debian's MinGW-w64
# compilers, of the POSIX thread model, which std::thread and std::mutex need
# (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCALCORA_WITH_QT=OFF
# ./test.sh --windows does this and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)

# Libraries and headers come from the target's folder, never from the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linked statically, the executables need none of MinGW's runtime DLLs beside them: Wine, or a
# bare Windows, runs them as they are.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
