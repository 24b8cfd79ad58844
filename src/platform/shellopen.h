#pragma once

#include <QString>
#include <functional>

// Hands a web or mail address to the desktop, as the system shell's open does.
namespace shellopen {

// Returns whether the desktop took the address.
bool open(const QString& address);

// Tests record the addresses instead of opening them.
void setOpener(std::function<bool(const QString&)> opener);

} // namespace shellopen
