#pragma once

#include "frame.h"

// The ideal-weight reference: two read-only tables of weight ranges by height and build, for women and men.
class pesi : public FrameWindow {
    Q_OBJECT
public:
    pesi();
};
