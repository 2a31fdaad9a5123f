// The options record comes back from the user's store ("Default"), which anyone may edit.
// Whatever the text, the record read is either the defaults or one whose checksum holds,
// and a record of sane values reads back the same from the text it writes.
#include "FuzzInput.h"

#include "game/TOptions.h"

#include <algorithm>
#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TOptions read;
    read.FromText(text);
    Expect(read[TOptions::OptionsChecksum] == read.Checksum(),
           "a record read without its checksum");

    const std::string written = read.ToText();
    Expect(written.size() >= 5 * TOptions::kCount, "a record wrote fewer groups than values");
    TOptions again;
    again.FromText(written);
    // A negative value is written as 0000, so only records without one come back whole.
    const bool sane =
        std::none_of(read.Values.begin(), read.Values.end(), [](int32_t v) { return v < 0; });
    if (sane) Expect(again.Values == read.Values, "a record does not read back from its text");
    return 0;
}
