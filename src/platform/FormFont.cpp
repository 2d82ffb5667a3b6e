#include "platform/FormFont.h"

#include <QStringList>

namespace swh {

QFont FormFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")});
    font.setPixelSize(12);
    return font;
}

} // namespace swh
