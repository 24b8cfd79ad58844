#include "zelvo.h"

#include "calculators/register.h"
#include "composer/register.h"
#include "foodtable/register.h"
#include "reference/register.h"
#include "shell/frmsplash.h"

void registerAllForms() {
    frmSplash::registerForm();
    composer::registerForms();
    foodtable::registerForms();
    calculators::registerForms();
    reference::registerTopicForms();
    reference::registerTableForms();
    reference::registerHelpForms();
}
