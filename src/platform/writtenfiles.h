#pragma once
// Who hears of the files the program writes: the checked writes and copies of textfile.h tell it each file they
// have put in place.

#include <QString>

#include <functional>

namespace ts {

// Tells the listener (one for the program; an empty one ends it) the path of every file that a checked write or
// copy has put in place, on the thread that wrote it.
void setWrittenListener(std::function<void(const QString &path)> listener);

} // namespace ts
