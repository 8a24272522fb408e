#pragma once

// The exit status of a program ended by the first-paint probe.
constexpr int FIRST_PAINT_STATUS = 77;
// The environment variable naming the file the probe writes the peak memory into.
constexpr const char *FIRST_PAINT_PEAK = "GRIDLY_FIRST_PAINT_PEAK";
