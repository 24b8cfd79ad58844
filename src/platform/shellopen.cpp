#include "shellopen.h"

#include <QDesktopServices>
#include <QUrl>

namespace shellopen {
namespace {
std::function<bool(const QString&)>& opener() {
    static std::function<bool(const QString&)> current;
    return current;
}
} // namespace

void setOpener(std::function<bool(const QString&)> o) {
    opener() = std::move(o);
}

bool open(const QString& address) {
    if (opener())
        return opener()(address);
    // "mailto: name@host" carries a blank after the colon; the desktop wants the address without it.
    QString cleaned = address.trimmed();
    if (cleaned.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        cleaned = QStringLiteral("mailto:") + cleaned.mid(7).trimmed();
    const QUrl url = QUrl::fromUserInput(cleaned);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace shellopen
