#pragma once

#include <QString>

// Opening another window by its name from a button: shows it, or says why it cannot.
namespace openers {

// Shows the window; when this edition has no such window, tells the user so.
void apri(const QString& name);

} // namespace openers
