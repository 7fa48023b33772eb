// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the Val reading of any text ends quickly with a finite number
// or a range status, and agrees with itself when the ignored blanks are dropped.
#include "numbertext/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const cuneola::ValResult r = cuneola::readVal(text);
    if (!std::isfinite(r.value)) std::abort();
    if (r.status != cuneola::ValStatus::Ok && r.value != 0.0) std::abort();

    // Blanks, tabs and line feeds are ignored wherever they stand.
    std::string squeezed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
    const cuneola::ValResult s = cuneola::readVal(squeezed);
    if (s.status != r.status || std::memcmp(&s.value, &r.value, sizeof(double)) != 0) std::abort();
    return 0;
}
