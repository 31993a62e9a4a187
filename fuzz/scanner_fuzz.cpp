// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry over the scanner and the tally.
#include "fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    kz::fuzz::eenGeval(data, size);
    return 0;
}
