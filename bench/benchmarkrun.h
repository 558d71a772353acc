// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// Whether a reported run measured anything. Google Benchmark 1.8 replaced a
// run's error_occurred flag with its skipped state, and both versions are
// still in distributions: this is the one place that knows.
template<typename Run>
bool runWasMeasured(const Run &run)
{
    if constexpr (requires { run.skipped; })
        return !run.skipped;
    else
        return !run.error_occurred;
}
