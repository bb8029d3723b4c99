# The quiz's arithmetic is a sequence of double-precision operations, each rounded once, as amd64
# does them. Two things let other processors round differently: intermediates held wider than a
# double (i386's x87 unit keeps 64-bit mantissas), and a product and a sum fused into one rounding
# (arm64, ppc64el, riscv64, s390x). The options here make every processor round as amd64 does;
# bramblet_double_precision_options names them for the core's targets.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)

set(bramblet_double_precision_options -ffp-contract=off)

check_cxx_source_compiles([[
#include <cfloat>
#if FLT_EVAL_METHOD == 0
#error each operation rounds to its own type
#endif
int main() {}
]] BRAMBLET_WIDE_INTERMEDIATES)
if(BRAMBLET_WIDE_INTERMEDIATES)
    # With standard excess precision every assignment, cast and argument rounds to a double, as
    # C++ says (GCC 13 and later, for C++); older GCC rounds each variable and parameter it stores
    # with -ffloat-store. The wide sums the quiz then rounds are exact in a 64-bit mantissa, so the
    # one rounding to a double gives amd64's result.
    check_cxx_compiler_flag(-fexcess-precision=standard HAVE_STANDARD_EXCESS_PRECISION)
    if(HAVE_STANDARD_EXCESS_PRECISION)
        list(APPEND bramblet_double_precision_options -fexcess-precision=standard)
    else()
        list(APPEND bramblet_double_precision_options -ffloat-store)
    endif()
endif()
