#pragma once

#include <QString>

// Opening another window by its name, from a button, a menu item or a toolbar button.
namespace openers {

// Shows the window registered under the name. Every caller names a registered window; a name that none
// registered is a slip in the code, logged as a warning, and opens nothing.
void apri(const QString& name);

} // namespace openers
