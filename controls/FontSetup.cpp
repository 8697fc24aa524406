// SPDX-License-Identifier: MIT
#include "controls/FontSetup.h"

#include <QFont>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace FontSetup {

void registerSubstitutes()
{
    const QStringList proportional = {u"IPAPGothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s,
                                      u"VL PGothic"_s, u"TakaoPGothic"_s};
    const QStringList fixed = {u"IPAGothic"_s, u"Noto Sans Mono CJK JP"_s, u"VL Gothic"_s,
                               u"TakaoGothic"_s};
    QFont::insertSubstitutions(QString::fromUtf16(UiFont), proportional);
    QFont::insertSubstitutions(QString::fromUtf16(FixedFont), fixed);
    QFont::insertSubstitutions(u"MS Gothic"_s, fixed);
    // The header's serif: a metric-compatible copy where the original is
    // missing, rather than whatever serif comes first, which may stand taller
    // than its label.
    QFont::insertSubstitutions(QString::fromUtf16(HeaderFont), {u"Liberation Serif"_s, u"Tinos"_s});
}

} // namespace FontSetup
