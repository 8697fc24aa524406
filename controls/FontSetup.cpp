// SPDX-License-Identifier: MIT
#include "controls/FontSetup.h"

#include <QFont>
#include <QStringList>

namespace FontSetup {

void registerSubstitutes()
{
    const QStringList proportional = {u"IPAPGothic"_qs, u"IPAGothic"_qs, u"Noto Sans CJK JP"_qs,
                                      u"VL PGothic"_qs, u"TakaoPGothic"_qs};
    const QStringList fixed = {u"IPAGothic"_qs, u"Noto Sans Mono CJK JP"_qs, u"VL Gothic"_qs,
                               u"TakaoGothic"_qs};
    QFont::insertSubstitutions(QString::fromUtf16(UiFont), proportional);
    QFont::insertSubstitutions(QString::fromUtf16(FixedFont), fixed);
    QFont::insertSubstitutions(u"MS Gothic"_qs, fixed);
    // The header's serif: a metric-compatible copy where the original is
    // missing, rather than whatever serif comes first, which may stand taller
    // than its label.
    QFont::insertSubstitutions(u"Times New Roman"_qs, {u"Liberation Serif"_qs, u"Tinos"_qs});
}

} // namespace FontSetup
