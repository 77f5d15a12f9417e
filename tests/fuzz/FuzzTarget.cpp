// libFuzzer entry points of one fuzz check, chosen by ZYFO_FUZZ_CHECK when the target is built.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

namespace {

const zyfo::FuzzCheck &theCheck()
{
    static const zyfo::FuzzCheck *check = zyfo::findFuzzCheck(ZYFO_FUZZ_CHECK);
    return *check;
}

} // namespace

// Stamps convert under a zone with clock changes unless the caller chose one.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("TZ", "Europe/Warsaw", 0);
    if (!zyfo::findFuzzCheck(ZYFO_FUZZ_CHECK)) {
        std::fprintf(stderr, "no fuzz check called %s\n", ZYFO_FUZZ_CHECK);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string fault = theCheck().check({data, size});
    if (!fault.empty()) {
        std::fprintf(stderr, "%s check failed: %s\n", ZYFO_FUZZ_CHECK, fault.c_str());
        std::abort();
    }
    return 0;
}
