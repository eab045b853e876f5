# Builds for 32-bit x86 on an x86-64 Debian host, against the i386 multiarch libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# Where the kernel cannot run i386 programs, tests run under user-mode emulation. The i386
# dynamic loader is itself such a program, so running it tells.
execute_process(COMMAND /lib/ld-linux.so.2 --version RESULT_VARIABLE native_i386 OUTPUT_QUIET ERROR_QUIET)
if(NOT native_i386 EQUAL 0)
  find_program(QEMU_I386 qemu-i386 REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_I386})
endif()
