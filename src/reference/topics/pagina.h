#pragma once

#include <QString>
#include <vector>

// What makes one topic page: everything else is the template's.
struct Pagina {
    const char* finestra;      // window name, also the name of its text resource
    const char* caption;       // title bar
    const char* heading;       // caption of Frame3
    int own;                   // the topic button painted red
    bool reversedTabs = false; // the topic bar walked backwards by the Tab key
    int frameHeight = 4215;    // twips
    int textHeight = 3855;     // twips

    QString name() const { return QString::fromLatin1(finestra); }
    QString resource() const { return QStringLiteral(":/reference/pages/%1.txt").arg(name()); }
};

namespace reference {
// The fifteen topic pages, in topic-bar order of their own button.
const std::vector<Pagina>& pagine();
// The page of that window name, or nullptr.
const Pagina* pagina(const QString& name);
} // namespace reference
