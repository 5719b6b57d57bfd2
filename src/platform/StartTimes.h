// When TESSALINE_START_TIMES is set, the window's start tells on standard
// error how many milliseconds after the program began each step was done
// ("tessaline: shown 210 ms"), for the benchmark that starts the real
// program. Otherwise it says nothing and costs a look at the environment.
#pragma once

namespace tess {

// The program's start: the clock the steps are told by.
void markProgramStart();
void reportStartStep(const char* step);

}  // namespace tess
