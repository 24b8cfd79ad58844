#pragma once

// Makes every window of the program known to the forms registry.
void registerAllForms();
