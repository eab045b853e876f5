/* zorRuby plug-in: the functions it exports and the host callbacks it expects.

   A host loads the plug-in (zorRuby.nbr), then calls, in this order:
     nbInitPlugIn            to receive the title, author and hint texts;
     nbRegisterPlugIn        to hand over its callbacks; the plug-in registers its groups and
                             actions through HostAddAction;
     nbRegisterScriptProcessor, nbRegisterInterfaceAccess
                             to hand over two more callbacks;
     nbExecAction            to run an action (1 connect, 2 evaluate, 3 library call);
     nbMessage               to notify the plug-in (code 1: forget loaded companion libraries
                             and publish the plug-in's own path in a host variable).

   Texts are zero-terminated 8-bit texts in the system's code page (UTF-8 on POSIX systems,
   the ANSI code page on Windows); a null text pointer reads as the empty text. A HostString
   is a block holding a text and its zero byte, from the C heap (malloc) on POSIX systems and
   from the global heap (GlobalAlloc, GMEM_FIXED) on Windows; whoever receives one owns it and
   releases it with free(), or on Windows with GlobalFree().

   On 32-bit x86 the host's functions use its register-based convention and the companion
   exports and the generic commands the standard one (ZORRUBY_HOSTCALL, ZORRUBY_STDCALL). The
   Windows library exports its functions by these names, undecorated, with the ordinals
   1 neobookSetVar, 2 neobookGetVar, 3 neobookPlayAction, 4 zorRubyExec, 5 zorRubyCmdList,
   6 nbMessage, 7 nbRegisterInterfaceAccess, 8 nbRegisterScriptProcessor, 9 nbRegisterPlugIn,
   10 nbInitPlugIn, 11 nbExecAction.

   Companion libraries called by action 3 may reach back into the host while that action runs,
   through neobookGetVar, neobookSetVar and neobookPlayAction.

   The generic command interface, for callers outside the host's protocol:
     zorRubyCmdList  writes the command list into the caller's buffer, as plain lines or, when
                     the form is "LISP" (any letter case), as a LISP list. The buffer must hold
                     at least ZORRUBY_CMDLIST_BUFFER bytes: the plug-in cannot check its size.
     zorRubyExec     runs command 1, 2 or 3, given by number as text (decimal with an optional
                     sign, or hexadecimal after "$", "x" or "0x"), with up to four texts. */
#ifndef ZORRUBY_PLUGIN_H
#define ZORRUBY_PLUGIN_H

#include <stdint.h>

#include "zorRubyConventions.h"

#ifdef __cplusplus
extern "C" {
#endif

#define ZORRUBY_CMDLIST_BUFFER 100

/* Parameter kinds in HostAddAction. */
#define ZORRUBY_PARAM_NONE 0     /* only in the placeholder array of a group header */
#define ZORRUBY_PARAM_TEXT 1     /* a text */
#define ZORRUBY_PARAM_VARIABLE 6 /* the bare name of a host variable that the action writes */

/* Registers a group header (id 0) or an action (id 1 to 3). kinds holds highest + 1 bytes;
   count is the number of parameters (0 for a group header). */
#if defined(__i386__)
typedef void(ZORRUBY_HOSTCALL* HostAddActionProc)(int32_t id, const char* name, const char* hint,
                                                  uint8_t count, int32_t highest, const uint8_t* kinds);
#else
typedef void (*HostAddActionProc)(int32_t id, const char* name, const char* hint, const uint8_t* kinds,
                                  int32_t highest, uint8_t count);
#endif
/* Never called. */
typedef void(ZORRUBY_HOSTCALL* HostAddFileProc)(void);
/* Stores a HostString holding the variable's value in *value, which the plug-in sets to null
   first; the plug-in releases it. Variables are named with their brackets: "[Total]". */
typedef void(ZORRUBY_HOSTCALL* HostGetVariableProc)(const char* name, char** value);
typedef void(ZORRUBY_HOSTCALL* HostSetVariableProc)(const char* name, const char* value);
typedef void(ZORRUBY_HOSTCALL* HostPlayScriptProc)(const char* script);
/* Never called. */
typedef void(ZORRUBY_HOSTCALL* HostInterfaceAccessProc)(void);

/* The function of a companion library that action 3 calls: one text in, one text out. The
   answer stays the library's; the plug-in hands it to the host unchanged. */
typedef char*(ZORRUBY_STDCALL* CompanionFunction)(const char* argument);

/* title, author and hint each point at a variable holding null or a HostString, which the
   plug-in releases before storing a new HostString there. */
ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbInitPlugIn(void* opaque, char** title, char** author, char** hint);
ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterPlugIn(HostAddActionProc addAction, HostAddFileProc addFile,
                                                      HostGetVariableProc getVariable,
                                                      HostSetVariableProc setVariable);
ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterScriptProcessor(HostPlayScriptProc playScript);
ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterInterfaceAccess(HostInterfaceAccessProc interfaceAccess);
/* params holds one text per parameter of the action. Answers 1 on success, 0 on failure; the
   message of a failure is in the host variable "[LastError]". */
ZORRUBY_EXPORT uint8_t ZORRUBY_HOSTCALL nbExecAction(int32_t id, char** params);
ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbMessage(int32_t code, intptr_t unused);

/* For companion libraries. Each answers a new HostString that the caller owns: "Done", or the
   variable's value. Names are passed to the host unchanged. */
ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookSetVar(const char* name, const char* value);
ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookGetVar(const char* name);
ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookPlayAction(const char* script);

/* The generic command interface. Arguments 7 to 12 of zorRubyExec are never read. */
ZORRUBY_EXPORT uint8_t ZORRUBY_STDCALL zorRubyExec(const char* unused, const char* number, const char* a3,
                                                   const char* a4, const char* a5, const char* a6,
                                                   intptr_t u7, intptr_t u8, intptr_t u9, intptr_t u10,
                                                   intptr_t u11, intptr_t u12);
ZORRUBY_EXPORT uint8_t ZORRUBY_STDCALL zorRubyCmdList(const char* unused, const char* form, char* buffer);

#ifdef __cplusplus
}
#endif

#endif
