# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross build for 64-bit ARM (Debian's arm64) on an x86-64 Debian machine, with Debian's cross
# compiler (g++-aarch64-linux-gnu) and the arm64 libraries installed side by side with the
# machine's own (multiarch: qt6-base-dev:arm64 and the like).
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-aarch64-linux-gnu.cmake
# The built programs and tests run under qemu-user; scripts/arm64-tests.sh does it all.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Libraries, headers and CMake packages come from the arm64 multiarch folders
# (/usr/lib/aarch64-linux-gnu, /usr/include/aarch64-linux-gnu); programs run at build time
# (gzip, perl, Qt's code generators) are the machine's own.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config of arm64")

# Qt's moc, rcc and uic are the x86-64 ones of qt6-base-dev, found through their CMake packages.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# ctest, and the test discovery of GoogleTest, run every arm64 program through qemu-user. The
# programs start with the arm64 dynamic loader of the multiarch C library (libc6:arm64, which
# Qt's arm64 libraries bring), the loader that belongs to the C library they load. Not the cross
# compiler's own copy (qemu's -L /usr/aarch64-linux-gnu): that one is another build of the C
# library, and a program whose loader and C library differ hangs at its first new thread.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 CACHE STRING "Runs the arm64 programs on this machine")
