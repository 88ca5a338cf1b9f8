#include "render/PaperMatch.h"

#include "platform/CodePage.h"
#include "render/HalfKana.h"

namespace lccd {

int FindPaperIndex(const QStringList& paperNames, const QString& name) {
    if (name.isEmpty())
        return -1;
    static const QByteArray postcardPrefix = toSjis(QStringLiteral("官製ハガキ "));
    for (qsizetype i = 0; i < paperNames.size(); ++i) {
        const QString entry = HalfKanaToFull(paperNames[i]);
        if (entry.startsWith(name))
            return int(i);
        if (entry.contains(name) && toSjis(entry).startsWith(postcardPrefix))
            return int(i);
    }
    return -1;
}

} // namespace lccd
