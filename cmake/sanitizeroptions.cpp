// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every program of a sanitizer build, so that ctest, the scenario
// runner and a test started by hand all run with the same runtime options.
//
// intercept_tls_get_addr=0: with it on, the runtime of this toolchain (GCC up
// to 13, LLVM up to 16) takes a thread's dynamic TLS block that happens to
// start 16 bytes into a page for a glibc 2.19 block and reads its bounds from
// the heap header in front of it; the leak checker then scans a nonsense range
// and dies after the last check. That happens wherever a library with TLS is
// loaded at run time (Qt's plugins, CUPS's), and whether it does depends on
// the heap's layout, so on the machine. Off, the leak checker still reaches
// those blocks: glibc allocates them with malloc and the thread's descriptor,
// which it scans, points to them.
extern "C" const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
