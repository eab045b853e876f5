# Builds the 32-bit Windows plug-in with Debian's mingw-w64 cross compiler, against a Windows
# Ruby installed under ZORRUBY_WIN32_RUBY (by default build-folder/ruby/prefix, where
# scripts/win32-ruby.sh puts it). Tests and the demo host run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# The compilers with POSIX threads, which the C++ library's threads and locks need.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
# The compiler's own run-time libraries, the threads library among them, are linked in: a
# program or library needs nothing but the system's libraries and the interpreter's.
set(runtime "-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive,-Bdynamic")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${runtime}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${runtime}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${runtime}")

if(NOT ZORRUBY_WIN32_RUBY)
  set(ZORRUBY_WIN32_RUBY ${CMAKE_BINARY_DIR}/ruby/prefix)
endif()
set(ZORRUBY_WIN32_RUBY ${ZORRUBY_WIN32_RUBY} CACHE PATH "Prefix of the Windows Ruby")

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32 ${ZORRUBY_WIN32_RUBY})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every program runs under Wine, in a prefix of the build's own, and finds the interpreter
# library in the Ruby's bin folder.
find_program(WINE wine REQUIRED)
set(ZORRUBY_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${ZORRUBY_WINEPREFIX} WINEDEBUG=-all
  WINEDLLOVERRIDES=mscoree,mshtml= WINEPATH=Z:${ZORRUBY_WIN32_RUBY}/bin ${WINE})
