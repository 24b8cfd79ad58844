#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// The sans font of the windows, given the point size the layouts state. Those sizes were chosen for the
// classic windows' sans font, which is narrower than DejaVu Sans: at full size DejaVu Sans clips the captions
// the layouts fit, so the font is drawn at 0.85 of the stated size.
inline QFont classicSans(double classicPointSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(classicPointSize * 0.85);
    font.setBold(bold);
    return font;
}

} // namespace fonts
