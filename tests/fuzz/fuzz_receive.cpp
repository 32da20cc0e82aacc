// libFuzzer entry of the receive path (built with clang and -DKZL_FUZZ=ON).
#include "ReceiveFuzzTarget.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitReceiveFuzzTarget();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RunReceiveFuzzInput(data, size);
    return 0;
}
