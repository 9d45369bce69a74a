// SPDX-License-Identifier: GPL-3.0-or-later
// A test program runs in the C locale that TEST_LOCALE names, when it is set: the Windows tests
// run once more in a locale with a decimal comma, where every figure must come out the same.
// The locale is set before any test, and a name the C runtime does not know ends the program
// with a failure rather than testing in the C locale unawares.

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

[[maybe_unused]] const bool localeSet = [] {
    const char* name = std::getenv("TEST_LOCALE");
    if (name == nullptr || *name == '\0') return false;
    if (std::setlocale(LC_ALL, name) == nullptr) {
        std::fprintf(stderr, "TEST_LOCALE: the C runtime has no locale \"%s\"\n", name);
        std::exit(EXIT_FAILURE);
    }
    return true;
}();

}  // namespace
