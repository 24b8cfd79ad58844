#pragma once

namespace reference {
// Make the windows of the reference library and help known to the forms registry.
void registerTopicForms(); // the topic pages
void registerTableForms(); // the daily requirements and the glycaemic table
void registerHelpForms();  // help index, guide pages, tips, about box, price list, support page
} // namespace reference
