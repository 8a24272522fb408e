#pragma once

// The exit status of a program ended by the first-paint probe.
constexpr int FIRST_PAINT_STATUS = 77;
