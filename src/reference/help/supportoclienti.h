#pragma once

#include "platform/forms.h"

class QPushButton;

// The customer-support page: the maker's contact details and how to get help.
class supportoclienti : public Form {
    Q_OBJECT
public:
    supportoclienti();

    void Command1_Click();

    QPushButton* Command1 = nullptr;
};
