/* The calling conventions of the plug-in's exported functions and of the host's callbacks. */
#ifndef ZORRUBY_CONVENTIONS_H
#define ZORRUBY_CONVENTIONS_H

#if defined(__i386__)
/* The host's register-based convention: the first three values in EAX, EDX and ECX, further
   values on the stack, removed by the called function. The host pushes stack values first to
   last while GCC pushes them last to first, so a function with more than one stack value
   declares those in reverse order. */
#define ZORRUBY_HOSTCALL __attribute__((regparm(3), stdcall))
/* The standard convention of the companion exports, the generic command interface and the
   companion function: all values on the stack, removed by the called function. */
#define ZORRUBY_STDCALL __attribute__((stdcall))
#else
/* Elsewhere both are the platform's C convention. */
#define ZORRUBY_HOSTCALL
#define ZORRUBY_STDCALL
#endif

/* Marks the plug-in's exports; everything else in the library is hidden. A Windows build
   names its exports, with their ordinals, in a module-definition file instead. */
#if defined(_WIN32)
#define ZORRUBY_EXPORT
#elif defined(__GNUC__)
#define ZORRUBY_EXPORT __attribute__((visibility("default")))
#else
#define ZORRUBY_EXPORT
#endif

#endif
