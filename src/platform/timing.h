#pragma once

namespace ts {

// Every timer of the programs takes its interval from here, so that tests can run the splash, the
// processing animation and the browser's busy timer in a few milliseconds.
int timerInterval(int milliseconds);
void setTimerScale(double scale); // 1.0 for the real program

} // namespace ts
