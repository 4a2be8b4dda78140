#pragma once
// What a fuzz target asserts about a reader. A broken promise ends the
// process with the condition and where it is; libFuzzer keeps the input that
// did it, and the corpus replay of make test fails on it.

#include <cstdio>
#include <cstdlib>

namespace tavernrush::fuzz {

[[noreturn]] inline void broken(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace tavernrush::fuzz

// Unlike assert(), also checked in the everyday (NDEBUG) build.
#define FUZZ_CHECK(condition) ((condition) ? static_cast<void>(0) : ::tavernrush::fuzz::broken(#condition, __FILE__, __LINE__))
