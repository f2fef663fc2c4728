#pragma once

#include <random>

// One generator per engine, handed in: seeded from the clock by the program, fixed by tests.
using Hasard = std::mt19937;
