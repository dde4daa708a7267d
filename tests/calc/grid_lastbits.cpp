// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into the x87 grid with --wrap=logl,--wrap=expl: counts the calls of glibc's x87
// logarithm and exponential whose result is not the correctly rounded one (MPFR at 64 bits),
// and says so at exit. The portable core rounds both correctly; the grids' agreement then
// shows that these last-bit differences change no figure.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include <mpfr.h>

extern "C" long double __real_logl(long double);
extern "C" long double __real_expl(long double);

namespace {

struct Tally {
    const char *name;
    std::uint64_t calls = 0;
    std::uint64_t differing = 0;
};
Tally g_ln{"ln"};
Tally g_exp{"exp"};

long double Check(Tally &tally, long double argument, long double result,
                  int (*correct)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t))
{
    mpfr_t x;
    mpfr_init2(x, 64);
    mpfr_set_ld(x, argument, MPFR_RNDN);
    correct(x, x, MPFR_RNDN);
    ++tally.calls;
    if (mpfr_get_ld(x, MPFR_RNDN) != result)
        ++tally.differing;
    mpfr_clear(x);
    return result;
}

void Report()
{
    for (const Tally *t : {&g_ln, &g_exp})
        std::fprintf(stderr, "x87 %s: %llu calls, %llu not correctly rounded in the last bit\n",
                     t->name, static_cast<unsigned long long>(t->calls),
                     static_cast<unsigned long long>(t->differing));
}

const int g_reported = std::atexit(Report);

} // namespace

extern "C" long double __wrap_logl(long double x) { return Check(g_ln, x, __real_logl(x), mpfr_log); }
extern "C" long double __wrap_expl(long double x) { return Check(g_exp, x, __real_expl(x), mpfr_exp); }
